#pragma once

namespace vexa::BinData {

// The yearly savings from the weather bins, whole numbers: precool and reheat
// share the energy one quarter to three quarters, the money saving is the sum of
// the bins' money savings, the payback in months is on the sterling price.
struct BinSavings {
    double annualPreCoolSaving = 0;
    double annualReHeatSaving = 0;
    double annualCostSaving = 0;
    double paybackPeriod_months = 0;
};

// Loads the weather table of the chosen city and works out, bin by bin, the heat
// pipe's precool duty from the bin's dry bulb, the design's off-coil dry bulb and
// the heat pipe effectiveness; bins no warmer than the off-coil air save nothing.
// Writes the per-bin and total savings to the bin record and the payback to the
// costing record's payback period. Throws CalculationError when the design gives
// no effectiveness (no design calculation has run).
BinSavings CalculateBinSavings();

// The energy saved in one bin, kWh per year, whole: the precool duty (kW) of air
// at the bin's dry bulb through a heat pipe of the given effectiveness (a
// fraction) ahead of a coil leaving the air at offCoil_C, counted once against
// refrigeration at a coefficient of performance of 3 and once as reheat.
double binEnergySaving_kWh(float effectiveness, float offCoil_C, float airFlow_m3s, float binDryBulb_C,
                           float hours);

} // namespace vexa::BinData
