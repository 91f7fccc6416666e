#pragma once

#include "gadialogs/DimensionDialog.h"

namespace vexa::app {

// The horseshoe heat pipe dimension dialog. The external baffle must stand at least
// 60 mm beyond the internal one; whichever baffle the user moves, the other follows
// when needed, with a note saying so.
class HeatpipeDimensions : public DimensionDialog {
    Q_OBJECT
public:
    explicit HeatpipeDimensions(const DimensionSources& sources, QWidget* parent = nullptr);

    double flangeWidth() const { return m_flangeWidth; }
    int32_t endPlateWidth() const { return m_endPlateWidth; }

protected:
    std::unique_ptr<PendingDrawing> startDrawing(const DrawingStep& step) override;
    QString heatpipeCode() const override;

private:
    void build();
    void loadDefaults();
    void showOverallWidth();

    bool checkExternalBaffle();
    bool checkInternalBaffle();
    bool checkInternalDepth();
    bool checkOverallHeight();

    bool m_twoSections = false;
    gadims::Section m_section;
    int32_t m_rows = 0;
    gadims::Limits m_heightLimits;
    int32_t m_internalBaffle = 0;
    int32_t m_externalBaffle = 0;
    int32_t m_internalDepth = 0;
    int32_t m_overallDepth = 0;
    int32_t m_endPlateWidth = 0;
    int32_t m_finnedLength = 0;
    int32_t m_overallWidth = 0;
    int32_t m_overallHeight = 0;
    double m_flangeWidth = 0;

    QLineEdit *txtInternalDepth = nullptr, *txtOverallDepth = nullptr, *txtInternalBaffle = nullptr,
              *txtExternalBaffle = nullptr, *txtFinnedLength = nullptr, *txtOverallWidth = nullptr,
              *txtOverallHeight = nullptr;
    QLabel* lblHeightLimits = nullptr;
};

} // namespace vexa::app
