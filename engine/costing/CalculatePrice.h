#pragma once

#include <cstdint>

namespace vexa::Costing {

// Prices the unit of the last design calculation: loads the rates, costs the heat
// pipe (and the cooling coil when fitted) with their casings, then applies the
// factors, the margin and the exchange rate, works out the design-point savings
// and adds the sterling surcharges. Throws CalculationError, before changing
// anything, when the margin is not between 1 and 99 percent.
void CalculatePrice();

// Labour on a heat pipe: 40 % of the materials and 10 % of the coating, at least 40.
float heatpipeLabour(float materials, float coating);

// Labour on a cooling coil: 30 % of the materials, at least 40.
float coolingCoilLabour(float materials);

// 1 / (1 - margin / 100); throws CalculationError outside 0 < margin < 100.
double marginFactor(int16_t margin_pct);

// The steps from the heat pipe share HP and the cooling coil share CC of the
// record to the two prices: additional cost, the factor 1.2, the margin (the
// cooling coil carries a fixed 1 / 0.65 instead), the sterling base rounded to
// whole pounds, the foreign price, the savings, and the surcharges of the sterling
// price (6 % plus 50, then 5 % or 10 % for copper fins).
void PriceFromShares(double marginFactor);

} // namespace vexa::Costing
