#include "costing/Cost.h"

#include "bindata/Bin.h"
#include "bindata/BinState.h"
#include "common/EngineError.h"
#include "costing/BuildSizesText.h"
#include "costing/CalculatePrice.h"
#include "costing/CalculateWeight.h"
#include "costing/CostingState.h"
#include "ga/Horseshoe.h"
#include "ga/Straight.h"

namespace vexa {

namespace {

CostingState& cs()
{
    return costingState();
}

} // namespace

Cost::Cost()
{
    CostingState& state = cs();
    state.casingMaterial = "Galvanised sheet";
    state.drainpanType = "No Drainpan";
    state.eliminators = false;
    state.stainlessSteelDrainpan = false;
    state.exchangeRate = 1;
    state.energyCost = 0.3;
    state.annualRunningHours = 3000;
    BinState& bins = binState();
    bins.cityName = "United Kingdom - London";
    bins.savingCaption = "Cost Saving (£)";
    bins.tableIndex = 0;
}

Cost::~Cost() = default;

vexa::Straight& Cost::Straight()
{
    if (!m_straight) {
        m_straight.reset(new vexa::Straight());
    }
    return *m_straight;
}

vexa::Horseshoe& Cost::Horseshoe()
{
    if (!m_horseshoe) {
        m_horseshoe.reset(new vexa::Horseshoe());
    }
    return *m_horseshoe;
}

vexa::Bin& Cost::Bin()
{
    if (!m_bin) {
        m_bin.reset(new vexa::Bin());
    }
    return *m_bin;
}

void Cost::setCasingMaterial(CasingMat material)
{
    switch (material) {
    case CasingMat::Galvanised:
        cs().casingMaterial = "Galvanised sheet";
        return;
    case CasingMat::Stainless:
        cs().casingMaterial = "Stainless sheet";
        return;
    }
    throw EngineError("Invalid Casing Material Selected");
}

void Cost::setDrainpanType(Drainpan type)
{
    switch (type) {
    case Drainpan::None:
        cs().drainpanType = "No Drainpan";
        return;
    case Drainpan::Flat:
        cs().drainpanType = "Flat Drainpan";
        return;
    case Drainpan::Sloping:
        cs().drainpanType = "Sloping Drainpan";
        return;
    case Drainpan::Perforated:
        cs().drainpanType = "Perforated Base";
        return;
    }
    throw EngineError("Invalid Drainpan Type Selected");
}

std::string Cost::Sizes() const
{
    return cs().sizes;
}

void Cost::InitiateCostingCalculations()
{
    Costing::CalculatePrice();
    Costing::CalculateWeight();
    Costing::BuildSizesText();
}

void Cost::setOptEliminators(bool fitted)
{
    cs().eliminators = fitted;
}

void Cost::setOrienitation(OrientationType orientation)
{
    switch (orientation) {
    case OrientationType::Horizontal:
        cs().orientation = "Horizontal";
        return;
    case OrientationType::Vertical:
        cs().orientation = "Vertical";
        return;
    }
    throw EngineError("Invalid Orientation Type Selected");
}

void Cost::setOptStainlessSteelDrainpan(bool stainless)
{
    cs().stainlessSteelDrainpan = stainless;
}

int32_t Cost::ExWorksPriceSterling() const
{
    return cs().exWorksPriceSterling;
}

double Cost::ApproxiamateWeight() const
{
    return cs().approximateWeight_kg;
}

void Cost::setExchangeRate(double unitsPerPound)
{
    // Written so that NaN is refused too.
    if (!(unitsPerPound >= 0.000001)) {
        throw EngineError("The Exchange Rate must be greater than 0.000001");
    }
    cs().exchangeRate = unitsPerPound;
}

int32_t Cost::ExWorksPriceForeign() const
{
    return cs().exWorksPriceForeign;
}

void Cost::setEnergyCost(double perKWh)
{
    if (!(perKWh >= 0.000001 && perKWh <= 1000)) {
        throw EngineError("The Energy Cost must be between the values 0.000001 and 1000");
    }
    cs().energyCost = perKWh;
}

double Cost::AnnualPrecoolSaving() const
{
    return cs().annualPrecoolSaving;
}
double Cost::AnnualReheatSaving() const
{
    return cs().annualReheatSaving;
}
double Cost::PaybackPeriod() const
{
    return cs().paybackPeriod_months;
}
double Cost::AnnualCostSaving() const
{
    return cs().annualCostSaving;
}

void Cost::setAnnualRunningHours(double hours)
{
    if (!(hours >= 100 && hours <= 8760)) {
        throw EngineError("The Annual Running Hours must be between the values 100 and 8760");
    }
    cs().annualRunningHours = hours;
}

void Cost::setHeatpipeStyle(HeatpipeStyling style)
{
    switch (style) {
    case HeatpipeStyling::Horseshoe_Heatpipe:
    case HeatpipeStyling::Straight_Heatpipe:
    case HeatpipeStyling::Combination_Heatpipe:
        cs().horseshoeStyle = style == HeatpipeStyling::Horseshoe_Heatpipe;
        cs().straightStyle = style == HeatpipeStyling::Straight_Heatpipe;
        return;
    }
    throw EngineError("Invalid Heatpipe Style Selected");
}

void Cost::setMargin(int16_t pct)
{
    cs().margin_pct = pct;
}

void Cost::setAdditionalCost(double pounds)
{
    cs().additionalCost = pounds;
}

} // namespace vexa
