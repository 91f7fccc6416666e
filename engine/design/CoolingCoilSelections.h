#pragma once

#include <string>

namespace vexa::CoolingCoilSelections {

// Sizes the chilled water or refrigerant cooling coil between the two heat pipe
// sections by the enthalpy-potential (wet coil) method. Throws CalculationError
// when the coil cannot reach the off-coil state with the given fluid
// temperatures, or the water temperatures are equal.
void SelectCoolingCoil();

// Slope of the saturated-air enthalpy at the mean fluid temperature tm (degC), in
// J/kg per K, by a central difference over +-1 K.
double SaturationEnthalpySlope(double meanFluidTemp_C, double pressure_kPa);

// Circuit letter for a water flow (m3/s) and a coil of tubesHigh tubes: the first
// of "H", "P", "F", "Q", "D" whose tube velocity is below 1.5 m/s, else "D".
// The tube velocity (m/s) of the chosen letter is written to tubeVelocity_mps.
std::string WaterCircuiting(double waterFlow_m3s, int tubesHigh, double& tubeVelocity_mps);

// Circuit letter for a refrigerant duty (W): the first whose load per circuit is
// 8000 W or less, else "D".
std::string RefrigerantCircuiting(double duty_W, int tubesHigh);

// Number of circuits a letter stands for in a coil of tubesHigh tubes.
double circuitsFor(const std::string& letter, int tubesHigh);

} // namespace vexa::CoolingCoilSelections
