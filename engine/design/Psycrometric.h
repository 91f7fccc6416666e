#pragma once

#include <cstdint>
#include <span>

// Moist-air property functions. Temperatures in degC, pressures of water vapour in
// Pa, barometric pressure in kPa, humidity ratio in kg water per kg dry air,
// enthalpy in kJ per kg dry air, relative humidity in percent. The functions
// compute in double; callers hold what they pass and receive as float.
namespace vexa::Psycrometric {

// Saturation vapour pressure over ice below 0 degC, over water from 0 degC
// (Hyland and Wexler). Throws CalculationError at or below absolute zero.
double SaturationPressure(double t);

double VapourPressure(double relativeHumidity_pct, double saturationPressure_Pa);
double HumidityRatioFromVapourPressure(double vapourPressure_Pa, double pressure_kPa);
double EnhancementFactor(double t);

// Saturation humidity ratio for pws, with the enhancement factor of the state's
// dry bulb t (also when pws is taken at the wet bulb).
double SaturationHumidityRatio(double saturationPressure_Pa, double pressure_kPa, double t);

// The psychrometer relation: W from dry bulb t, wet bulb tStar and the saturation
// humidity ratio at the wet bulb.
double HumidityRatioFromWetBulb(double t, double tStar, double wsStar);

double Enthalpy(double t, double humidityRatio);

// Relative humidity from the degree of saturation mu = W / Ws at the dry bulb.
double RelativeHumidity(double mu, double saturationPressure_Pa, double pressure_kPa);

// Wet bulb by relaxation on the humidity ratio (tolerance 0.0001 kg/kg, at most
// 10000 passes). Throws CalculationError for a zero humidity ratio.
float WetBulb(double pressure_kPa, double t, double humidityRatio);

// A state for which a wet bulb is wanted: dry bulb (degC) and humidity ratio.
struct WetBulbQuery {
    double t = 0;
    double humidityRatio = 0;
};

// The wet bulbs of several states, each exactly what WetBulb gives for it; the
// relaxations run side by side so that their independent passes overlap.
void WetBulbs(double pressure_kPa, std::span<const WetBulbQuery> queries, std::span<float> results);

// Dry bulb of air at 95 % relative humidity with enthalpy h (a fit at 101.325 kPa).
double DryBulbAt95(double enthalpy);

// Number of SaturationPressure evaluations since the process started, for the
// benchmarks.
uint64_t saturationPressureEvaluations();

} // namespace vexa::Psycrometric
