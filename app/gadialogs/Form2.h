#pragma once

#include "gadialogs/DimensionDialog.h"

namespace vexa::app {

// The combination dimension dialog: a heat pipe with its chilled water or
// refrigerant cooling coil, the return baffle on one side of the finned length and
// the front baffle, behind which the coil's connections run, on the other.
class Form2 : public DimensionDialog {
    Q_OBJECT
public:
    explicit Form2(const DimensionSources& sources, QWidget* parent = nullptr);

    int32_t flangeDepth() const { return m_flangeDepth; }
    QString connectionSize() const { return m_connectionSize; }

protected:
    std::unique_ptr<PendingDrawing> startDrawing(const DrawingStep& step) override;
    QString heatpipeCode() const override;

private:
    void build();
    void loadDefaults();
    void showOverallWidth();

    bool checkConnectionLength();
    bool checkFrontBaffle();
    bool checkReturnBaffle();
    bool checkOverallHeight();

    QString m_drainpanType;
    bool m_drainpan = false;
    bool m_twoSections = false;
    gadims::Section m_section;
    QString m_connectionSize;
    gadims::Limits m_heightLimits;
    gadims::Limits m_frontBaffleLimits;
    gadims::Limits m_returnBaffleLimits;
    int32_t m_finnedLength = 0;
    int32_t m_overallHeight = 0;
    int32_t m_flangeDepth = 0;
    int32_t m_returnBaffle = 0;
    int32_t m_frontBaffle = 0;
    int32_t m_connectionLength = 0;
    int32_t m_overallWidth = 0;

    QLineEdit *txtOverallDepth = nullptr, *txtFinnedLength = nullptr, *txtOverallHeight = nullptr,
              *txtReturnBaffle = nullptr, *txtFrontBaffle = nullptr, *txtConnectionLength = nullptr,
              *txtOverallWidth = nullptr;
    QLabel *lblHeightLimits = nullptr, *lblReturnBaffleLimits = nullptr, *lblFrontBaffleLimits = nullptr;
};

} // namespace vexa::app
