#include "design/Psycrometric.h"

#include "common/EngineError.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vexa::Psycrometric {

namespace {

constexpr double kZeroCelsius_K = 273.15;

// Hyland and Wexler coefficients as published in the ASHRAE Handbook of Fundamentals.
constexpr double C1 = -5674.5359, C2 = 6.3925247, C3 = -0.009677843, C4 = 6.2215701e-7, C5 = 2.0747825e-9,
                 C6 = -9.484024e-13, C7 = 4.1635019;
constexpr double C8 = -5800.2206, C9 = 1.3914993, C10 = -0.048640239, C11 = 4.1764768e-5, C12 = -1.4452093e-8,
                 C13 = 6.5459673;

// 0.62198: ratio of the molar masses of water and dry air.
constexpr double kMolarMassRatio = 0.62198;

constexpr int kWetBulbMaxPasses = 10000;
constexpr double kWetBulbTolerance = 0.0001;

uint64_t g_evaluations = 0;

} // namespace

double SaturationPressure(double t)
{
    ++g_evaluations;
    const double T = t + kZeroCelsius_K;
    if (!(T > 0)) {
        throw CalculationError("Saturation pressure: the temperature is at or below absolute zero");
    }
    double lnPws;
    if (T < kZeroCelsius_K) {
        lnPws = C1 / T + C2 + C3 * T + C4 * T * T + C5 * T * T * T + C6 * T * T * T * T + C7 * std::log(T);
    } else {
        lnPws = C8 / T + C9 + C10 * T + C11 * T * T + C12 * T * T * T + C13 * std::log(T);
    }
    return std::exp(lnPws);
}

double VapourPressure(double relativeHumidity_pct, double saturationPressure_Pa)
{
    return relativeHumidity_pct * saturationPressure_Pa / 100;
}

double HumidityRatioFromVapourPressure(double vapourPressure_Pa, double pressure_kPa)
{
    return kMolarMassRatio * vapourPressure_Pa / (1000 * pressure_kPa - vapourPressure_Pa);
}

double EnhancementFactor(double t)
{
    const double T = t + kZeroCelsius_K;
    if (T >= kZeroCelsius_K) {
        return 1.0039;
    }
    return 1.0039 - 0.000066 * (T - kZeroCelsius_K);
}

double SaturationHumidityRatio(double saturationPressure_Pa, double pressure_kPa, double t)
{
    const double f = EnhancementFactor(t);
    return kMolarMassRatio * f * saturationPressure_Pa / (1000 * pressure_kPa - f * saturationPressure_Pa);
}

double HumidityRatioFromWetBulb(double t, double tStar, double wsStar)
{
    return ((2501 - 2.381 * tStar) * wsStar - (t - tStar)) / (2501 + 1.805 * t - 4.186 * tStar);
}

double Enthalpy(double t, double humidityRatio)
{
    return 1.006 * t + humidityRatio * (2501 + 1.805 * t);
}

double RelativeHumidity(double mu, double saturationPressure_Pa, double pressure_kPa)
{
    return 100 * mu / (1 - (1 - mu) * saturationPressure_Pa / (1000 * pressure_kPa));
}

namespace {

// One wet bulb relaxation in progress.
struct Relaxation {
    double t = 0;
    double w = 0;
    float tStar = 0;
    float f = 0;
    double wCalculated = 0;
    int pass = 0;

    bool running() const
    {
        return pass < kWetBulbMaxPasses && std::fabs(w - wCalculated) > kWetBulbTolerance;
    }

    void step(double pressure_kPa)
    {
        const double pwsStar = SaturationPressure(tStar);
        const double wsStar = kMolarMassRatio * f * pwsStar / (1000 * pressure_kPa - f * pwsStar);
        wCalculated = HumidityRatioFromWetBulb(t, tStar, wsStar);
        tStar = static_cast<float>(tStar - 0.1 * (wCalculated - w) / w);
        ++pass;
    }
};

constexpr size_t kSideBySide = 4;

} // namespace

float WetBulb(double pressure_kPa, double t, double humidityRatio)
{
    const WetBulbQuery query{t, humidityRatio};
    float result = 0;
    WetBulbs(pressure_kPa, {&query, 1}, {&result, 1});
    return result;
}

void WetBulbs(double pressure_kPa, std::span<const WetBulbQuery> queries, std::span<float> results)
{
    for (size_t first = 0; first < queries.size(); first += kSideBySide) {
        const size_t count = std::min(kSideBySide, queries.size() - first);
        std::array<Relaxation, kSideBySide> lanes{};
        for (size_t i = 0; i < count; ++i) {
            const WetBulbQuery& query = queries[first + i];
            if (query.humidityRatio == 0) {
                throw CalculationError("Wet bulb: the humidity ratio is zero");
            }
            Relaxation& lane = lanes[i];
            lane.t = query.t;
            lane.w = query.humidityRatio;
            lane.tStar = static_cast<float>(query.t);
            lane.f = static_cast<float>(EnhancementFactor(query.t));
            // The start value differs from W by more than the tolerance, so one pass always runs.
            lane.wCalculated = query.humidityRatio - 0.01;
        }
        // The passes of different relaxations do not depend on each other, so the
        // processor overlaps them; each relaxation follows its own course exactly.
        for (bool anyRunning = true; anyRunning;) {
            anyRunning = false;
            for (size_t i = 0; i < count; ++i) {
                if (lanes[i].running()) {
                    lanes[i].step(pressure_kPa);
                    anyRunning = true;
                }
            }
        }
        for (size_t i = 0; i < count; ++i) {
            if (!std::isfinite(lanes[i].tStar)) {
                throw CalculationError("Wet bulb: the iteration did not give a temperature");
            }
            results[first + i] = lanes[i].tStar;
        }
    }
}

double DryBulbAt95(double enthalpy)
{
    return -0.0019 * enthalpy * enthalpy + 0.5268 * enthalpy - 3.9014;
}

uint64_t saturationPressureEvaluations()
{
    return g_evaluations;
}

} // namespace vexa::Psycrometric
