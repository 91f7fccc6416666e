#pragma once

namespace vexa::HeatpipeSelection {

// Selection mode: finds the off-coil dry bulb (DB3), the required effectiveness
// and the fewest rows, then the lowest fins per inch, that beat it; ends with the
// pressure drop. Throws CalculationError when no off-coil temperature up to
// 100 degC keeps the leaving air below 95 % saturation, or when DB1 equals it.
void SelectHeatpipe();

// Effectiveness of the whole wrap-around heat pipe (equal air flows on both
// sections) as a fraction, for the rows, fins per inch, fin type and face velocity
// of the design state.
float HeatpipeEffectiveness();

// Air pressure drop across both sections, stored in whole pascals.
void HeatpipePressureDrop();

// The rows search on its own: tries 1 row at 6, 8, 10, 12 fins per inch, then 2
// rows, then 3, and stores the first that is strictly more effective than the
// requirement (a fraction); 4 rows at 6 when none is.
void selectRowsAndFins(float requiredEffectiveness);

// The off-coil dry bulb search on its own: the first temperature, from 2.01 degC
// upward in single-precision steps of 0.01, at which humidity ratio W4 is below
// 95 % of saturation at pressure P (kPa).
float offCoilDryBulb(float humidityRatio4, float pressure_kPa);

} // namespace vexa::HeatpipeSelection

namespace vexa::HeatpipeRating {

// Rating mode: the pressure drop of the given rows and fins per inch.
void RateHeatpipe();

} // namespace vexa::HeatpipeRating
