#pragma once

#include "design/Enumerations.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vexa {

class Bin;
class Horseshoe;
class Main;
class Straight;

// The costing object of a Main: set the unit's build options and commercial
// parameters, call InitiateCostingCalculations, read the prices, weight, size,
// savings and payback. The fields live in the process-wide costing record, shared
// by every Cost; creating a Cost writes their defaults for all. A refused let
// throws EngineError 13 with its message and keeps the stored value. Obtained
// through Main::Cost().
class Cost {
public:
    ~Cost();
    Cost(const Cost&) = delete;
    Cost& operator=(const Cost&) = delete;

    // The straight heat pipe drawing object of this Cost, created on first read.
    vexa::Straight& Straight();
    // The horseshoe heat pipe drawing object of this Cost, created on first read
    // (which clears the engine's two-section flag).
    vexa::Horseshoe& Horseshoe();
    // The bin-data savings object of this Cost, created on first read.
    vexa::Bin& Bin();
    void setCasingMaterial(CasingMat material);
    void setDrainpanType(Drainpan type);
    std::string Sizes() const; // "heightxwidthxdepth", mm
    // Prices the unit of the last design calculation, then works out its weight
    // and size. Throws CalculationError when the margin is not between 1 and 99 %
    // or a figure does not fit its type.
    void InitiateCostingCalculations();
    void setOptEliminators(bool fitted);
    void setOrienitation(OrientationType orientation);
    void setOptStainlessSteelDrainpan(bool stainless);
    int32_t ExWorksPriceSterling() const; // pounds
    double ApproxiamateWeight() const;    // kg
    void setExchangeRate(double unitsPerPound);
    int32_t ExWorksPriceForeign() const; // currency units
    void setEnergyCost(double perKWh);
    double AnnualPrecoolSaving() const; // currency units per year
    double AnnualReheatSaving() const;  // currency units per year
    double PaybackPeriod() const;       // months
    double AnnualCostSaving() const;    // currency units per year
    void setAnnualRunningHours(double hours);
    void setHeatpipeStyle(HeatpipeStyling style);
    void setMargin(int16_t pct);
    void setAdditionalCost(double pounds);

private:
    friend class Main;
    Cost();

    std::unique_ptr<vexa::Straight> m_straight;
    std::unique_ptr<vexa::Horseshoe> m_horseshoe;
    std::unique_ptr<vexa::Bin> m_bin;
};

} // namespace vexa
