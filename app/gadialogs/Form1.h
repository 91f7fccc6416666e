#pragma once

#include "gadialogs/DimensionDialog.h"

namespace vexa::app {

// The straight heat pipe dimension dialog. The finned length spans the supply air
// and extract air sections with a centre flange each side of the divide; the
// captions follow the unit's orientation, since a vertical unit stands on its side.
class Form1 : public DimensionDialog {
    Q_OBJECT
public:
    explicit Form1(const DimensionSources& sources, QWidget* parent = nullptr);

    // The values kept besides those shown.
    int32_t flangeWidth() const { return m_flangeWidth; }
    int32_t flangeDepth() const { return m_flangeDepth; }

protected:
    std::unique_ptr<PendingDrawing> startDrawing(const DrawingStep& step) override;
    QString heatpipeCode() const override;

private:
    void build();
    void loadDefaults();
    void showWidthLimits();

    bool checkCentreFlange();
    bool checkOverallHeight();
    bool checkOverallWidth();

    bool m_twoSections = false;
    gadims::Section m_section;
    int32_t m_tubeRows = 0;
    gadims::Limits m_heightLimits;
    int32_t m_supplyAir = 0;
    int32_t m_extractAir = 0;
    int32_t m_centreFlange = 0;
    int32_t m_finnedLength = 0;
    int32_t m_overallWidth = 0;
    int32_t m_overallHeight = 0;
    int32_t m_overallDepth = 0;
    int32_t m_flangeWidth = 0;
    int32_t m_flangeDepth = 0;

    QGroupBox *fraLengths = nullptr, *fraOverallHeight = nullptr, *fraSummary = nullptr;
    QLineEdit *txtOverallDepth = nullptr, *txtExtractAir = nullptr, *txtSupplyAir = nullptr,
              *txtFinnedLength = nullptr, *txtOverallHeight = nullptr, *txtOverallWidth = nullptr,
              *txtCentreFlange = nullptr;
    QLabel *lblOverallWidth = nullptr, *lblOverallHeight = nullptr, *lblHeightLimits = nullptr,
           *lblWidthLimits = nullptr, *lblCentreFlangeLimits = nullptr;
};

} // namespace vexa::app
