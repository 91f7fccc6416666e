#pragma once

#include "common/CostingSettings.h"

#include <QString>

namespace vexa::app {

// The configuration the calculate command hands to the costing window.
struct CostingConfiguration {
    QString heatpipeFinsPerInch;
    QString heatpipeRows;
    QString coolingCoilFinsPerInch; // "n/a" for heat pipe only
    QString coolingCoilRows;        // "n/a" for heat pipe only
    QString coilCode;               // "n/a" for heat pipe only
};

// What the main window asks of the costing window. The costing window attaches
// itself with frmMain::setCostingLink; until one is attached the main window's
// costing steps do nothing and "GA" opens nothing.
class CostingLink {
public:
    virtual ~CostingLink() = default;

    // Selection mode: payback "Design Conditions" selected, both payback options disabled.
    virtual void selectionModeChosen() = 0;
    // Rating mode: both payback options enabled.
    virtual void ratingModeChosen() = 0;
    // Shows or hides the style options for the cooling coil option, before a calculation.
    virtual void prepareForCalculation(bool heatPipeOnly) = 0;
    // True when the payback option "Using Bin Data " is selected.
    virtual bool usingBinData() const = 0;
    virtual void showConfiguration(const CostingConfiguration& configuration) = 0;
    // Filled after a calculation that passed its judgement.
    virtual void showJudgedDesign(const QString& tubesHigh, const QString& finnedLength,
                                  const QString& finMaterial) = 0;
    // Shows the costing window (the main window hides itself).
    virtual void open(bool heatPipeOnly) = 0;
    // The country, energy cost and exchange rate to keep for the next run.
    virtual CostingSettings settings() const = 0;
};

} // namespace vexa::app
