#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vexa {

class Cost;

// The general arrangement drawing of a horseshoe heat pipe, made in one call from
// its members and the engine's last selection. Obtained through Cost::Horseshoe();
// making it clears the engine's two-section flag. Lengths in mm.
class Horseshoe {
public:
    ~Horseshoe();
    Horseshoe(const Horseshoe&) = delete;
    Horseshoe& operator=(const Horseshoe&) = delete;

    // Makes the drawing: the template of the hand, the dimensions (overall width =
    // external baffle + the coil's finned width + 60), the references, the heat pipe
    // code and the date. A unit finned higher than 1910 mm is supplied in two sections
    // (the engine's two-section flag is set): the larger section is drawn and the
    // Stacked note gives the whole unit's height. A missing template or bookmark is
    // skipped (DocumentPath() then stays empty). Throws ga::GaDocumentError when the
    // document layer cannot start or the document cannot be saved.
    void GA();
    void setInternal_Depth(int32_t mm);
    void setInternal_Baffle(int32_t mm);
    // Also sets the overall width to EB + the engine's finned length + 60.
    void setExternal_Baffle(int32_t mm);
    // Also works out the flange width = (OH - floor(tubes high x pitch + 4)) / 2.
    void setOverall_Height(int32_t mm);
    // Stored trimmed of blanks: "L" draws a left-hand unit, any other text a right-hand one.
    void setAirFlowDirection(const std::string& text);
    // GA works the overall width out again from the external baffle.
    void setOverall_Width(int32_t mm);
    void setProject_Ref(const std::string& text);
    void setCustomer_Ref(const std::string& text);
    // End plates 110 mm wide for more than two rows, else 75.
    void setNumberOfRows(int16_t rows);
    // Stored trimmed of blanks; gives the tube pitch: "3/8" 25.4, "1/2" 31.75, any
    // other text 38.1 (each in single precision). Starts the heat pipe code: the text
    // as a number ("12" gives " 12HP..."); a text that is not a number leaves the code
    // as the template has it.
    void setTubeDiameter(const std::string& text);
    // The tubes high of the flange width (a unit in two sections uses its larger section's).
    void setNumberOfTubesHigh(int32_t tubes);

    // The document the last GA saved; empty when it made none.
    const std::filesystem::path& DocumentPath() const { return m_documentPath; }
    // Whether it was opened with the desktop's application.
    bool DocumentShown() const { return m_documentShown; }
    // Where it was saved when not shown, or why there is none; empty when shown.
    const std::string& DocumentMessage() const { return m_documentMessage; }

private:
    friend class Cost;
    Horseshoe();

    double flangeWidthFor(int32_t overallHeight, int32_t tubesHigh) const;

    int32_t m_internalDepth = 0;
    int32_t m_internalBaffle = 0;
    int32_t m_externalBaffle = 0;
    int32_t m_overallHeight = 0; // the whole unit's, as set
    std::string m_airFlowDirection;
    int32_t m_overallWidth = 0;
    std::string m_projectRef;
    std::string m_customerRef;
    int16_t m_rows = 0;
    int32_t m_endPlateWidth = 0;
    std::string m_tubeDiameter;
    float m_tubePitch_mm;
    int32_t m_tubesHigh = 0;
    double m_flangeWidth = 0;

    std::filesystem::path m_documentPath;
    bool m_documentShown = false;
    std::string m_documentMessage;
};

} // namespace vexa
