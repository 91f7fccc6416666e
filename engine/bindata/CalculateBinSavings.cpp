#include "bindata/CalculateBinSavings.h"

#include "bindata/BinState.h"
#include "bindata/BinTables.h"
#include "common/EngineError.h"
#include "common/NumberText.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"
#include "design/HeatpipeSelection.h"

#include <cmath>

namespace vexa::BinData {

namespace {

constexpr double kAirHeatCapacity_kJm3K = 1.2; // 1.2 kg/m3 x 1 kJ/kg K: sensible heat only
constexpr double kMonthsPerYear = 12;
// The energy of one bin: the precool duty against a refrigeration plant with a
// coefficient of performance of 3, plus the equal reheat duty one for one, i.e.
// 4 x (2 x duty) x hours / 6; the precool part is a quarter of the energy.
constexpr double kPrecoolShare = 0.25;
constexpr double kReheatShare = 0.75;

} // namespace

double binEnergySaving_kWh(float effectiveness, float offCoil_C, float airFlow_m3s, float binDryBulb_C,
                           float hours)
{
    // Bins no warmer than the air leaving the coil need no precooling.
    if (!(binDryBulb_C > offCoil_C)) {
        return 0;
    }
    const float offPrecool_C =
        static_cast<float>(effectiveness * (static_cast<double>(offCoil_C) - binDryBulb_C) + binDryBulb_C);
    const float precoolDuty_kW = static_cast<float>((static_cast<double>(binDryBulb_C) - offPrecool_C) *
                                                    kAirHeatCapacity_kJm3K * airFlow_m3s);
    return num::roundHalfAway(4 * (2 * static_cast<double>(precoolDuty_kW)) * hours / 6, 0);
}

BinSavings CalculateBinSavings()
{
    BinState& bins = binState();
    LoadBinTable(bins.tableIndex);

    const DesignState& ds = designState();
    const float effectiveness = HeatpipeSelection::HeatpipeEffectiveness();
    if (!std::isfinite(effectiveness)) {
        throw CalculationError("Bin savings: the design gives no heat pipe effectiveness; calculate the "
                               "design first");
    }
    const double energyCost = costingState().energyCost;
    // Each bin is its own air-on condition; the design's air-on dry bulb, an input,
    // is left as it is.

    double totalEnergy = 0;
    double totalMoney = 0;
    for (size_t bin = 1; bin <= 10; ++bin) {
        const float binDryBulb = bins.dryBulb_C[bin];
        const double energy = binEnergySaving_kWh(effectiveness, ds.air[3].dryBulb, ds.airFlowRate_m3s,
                                                  binDryBulb, bins.hours[bin]);
        const double money = num::roundHalfAway(energy * energyCost, 0);
        bins.energySaving_kWh[bin] = energy;
        bins.moneySaving[bin] = money;
        totalEnergy += energy;
        totalMoney += money;
    }
    bins.totalEnergySaving_kWh = totalEnergy;
    bins.totalMoneySaving = totalMoney;

    BinSavings savings;
    if (totalMoney != 0) {
        savings.paybackPeriod_months =
            num::roundHalfAway(costingState().exWorksPriceSterling / totalMoney * kMonthsPerYear, 0);
    }
    costingState().paybackPeriod_months = savings.paybackPeriod_months;
    savings.annualPreCoolSaving = num::roundHalfAway(totalEnergy * kPrecoolShare * energyCost, 0);
    savings.annualReHeatSaving = num::roundHalfAway(totalEnergy * kReheatShare * energyCost, 0);
    savings.annualCostSaving = totalMoney;
    return savings;
}

} // namespace vexa::BinData
