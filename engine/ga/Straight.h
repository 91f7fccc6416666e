#pragma once

#include "design/Enumerations.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace vexa {

class Cost;

// The general arrangement drawing of a straight heat pipe, made in one call from
// its properties and the engine's last selection and costing. Obtained through
// Cost::Straight(). Lengths in mm. The flange width and flange depth are worked out
// when the overall height and width are set, so set the supply air, extract air and
// centre flange before the overall width, and the costing orientation before the
// overall height.
class Straight {
public:
    ~Straight();
    Straight(const Straight&) = delete;
    Straight& operator=(const Straight&) = delete;

    // Flange width = (OH - floor(M x 38.1 + 4)) / 2, fraction kept, M = tubes high + 2
    // for a horizontal costing orientation (Cost::setOrienitation), else tubes high.
    void setOverall_Height(int32_t mm);
    // Flange depth = rnd(rnd(OW - SA - EA - 2 x CFW) x 0.5), halves to even.
    void setOverall_Width(int32_t mm);
    void setCentre_Flange_Width(int16_t mm);
    void setSupplyAir(int16_t mm);
    void setExtractAir(int16_t mm);
    // The finned length drawn and written in the heat pipe code.
    void setFinnedLength(int16_t mm);
    // Hor draws a horizontal unit; any other value a vertical one.
    void setOrientation(Orient orientation);

    // Overall depth: 365 with eliminators (Cost::setOptEliminators), else 185.
    // Runs when the object is made.
    void StraightDefaults();

    // Makes the drawing: the template of the orientation and the costing's drain pan
    // type, the dimensions, the heat pipe code and the date; the customer reference
    // and project name empty. A unit finned higher than 1910 mm is supplied in two
    // sections (the engine's two-section flag is set): the larger section is drawn and
    // the Stacked note gives the whole unit's size. A missing template or bookmark is
    // skipped (DocumentPath() then stays empty). Throws ga::GaDocumentError when the
    // document layer cannot start or the document cannot be saved.
    void CreateGA();

    // The document the last CreateGA saved; empty when it made none.
    const std::filesystem::path& DocumentPath() const { return m_documentPath; }
    // Whether it was opened with the desktop's application.
    bool DocumentShown() const { return m_documentShown; }
    // Where it was saved when not shown, or why there is none; empty when shown.
    const std::string& DocumentMessage() const { return m_documentMessage; }

private:
    friend class Cost;
    Straight();

    int32_t m_overallHeight = 0; // the whole unit's, as set
    int32_t m_overallWidth = 0;
    int16_t m_centreFlangeWidth = 0;
    int16_t m_supplyAir = 0;
    int16_t m_extractAir = 0;
    int16_t m_finnedLength = 0;
    Orient m_orientation = Orient::Hor;
    int32_t m_overallDepth = 0;
    double m_flangeWidth = 0;
    int32_t m_flangeDepth = 0;

    std::filesystem::path m_documentPath;
    bool m_documentShown = false;
    std::string m_documentMessage;
};

} // namespace vexa
