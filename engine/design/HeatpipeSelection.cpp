#include "design/HeatpipeSelection.h"

#include "common/EngineError.h"
#include "common/NumberText.h"
#include "design/DesignState.h"
#include "design/Psycrometric.h"

#include <array>
#include <cmath>
#include <vector>

namespace vexa::HeatpipeSelection {

namespace {

constexpr float kSearchStart_C = 2.00F;
constexpr double kSearchStep_C = 0.01;
constexpr double kSearchLimit_C = 100;
// The off-coil air is taken at 95 % of saturation.
constexpr double kOffCoilSaturation = 0.95;
constexpr int kMaxRows = 3;
constexpr std::array<int32_t, 4> kFinsPerInchSteps = {6, 8, 10, 12};

// The temperatures the search visits, accumulated in single precision exactly as a
// step-by-step search would (so a nominal 2.05 is 2.0499999). Index k is the
// temperature after k steps; the last entry is the last one not above 100 degC.
const std::vector<float>& searchTemperatures()
{
    static const std::vector<float> temperatures = [] {
        std::vector<float> ts{kSearchStart_C};
        float t = kSearchStart_C;
        for (;;) {
            t = static_cast<float>(t + kSearchStep_C);
            if (t > kSearchLimit_C) {
                break;
            }
            ts.push_back(t);
        }
        return ts;
    }();
    return temperatures;
}

// Saturation humidity ratio without enhancement factor, held in single precision.
float saturationRatio(float t, float pressure_kPa)
{
    const double pws = Psycrometric::SaturationPressure(t);
    return static_cast<float>(0.62198 * pws / (1000.0 * pressure_kPa - pws));
}

// Number of search temperatures (from index 1) below the boiling point at the
// given pressure; above it the saturation ratio formula turns negative.
size_t stepsBelowBoiling(float pressure_kPa)
{
    static float cachedPressure = -1;
    static size_t cachedSteps = 0;
    if (pressure_kPa == cachedPressure) {
        return cachedSteps;
    }
    const std::vector<float>& ts = searchTemperatures();
    size_t below = 0;         // pws(ts[below]) < 1000 P holds, or below == 0
    size_t above = ts.size(); // pws(ts[above]) >= 1000 P, or past the end
    while (above - below > 1) {
        const size_t mid = below + (above - below) / 2;
        if (Psycrometric::SaturationPressure(ts[mid]) < 1000.0 * pressure_kPa) {
            below = mid;
        } else {
            above = mid;
        }
    }
    cachedPressure = pressure_kPa;
    cachedSteps = below;
    return below;
}

} // namespace

float offCoilDryBulb(float humidityRatio4, float pressure_kPa)
{
    // The saturation ratio grows with temperature below the boiling point, so the
    // first temperature that beats the limit is found by bisection; the result is
    // the one the 0.01 degC stepping would stop at.
    const double limit = humidityRatio4 / kOffCoilSaturation;
    const std::vector<float>& ts = searchTemperatures();
    if (std::isnan(limit)) {
        throw CalculationError("Heat pipe selection: the leaving humidity ratio is not a number");
    }
    if (limit < 0) {
        return ts[0]; // the search starts from a ratio of 0, which already beats the limit
    }
    size_t failing = 0;                                   // ratio at ts[failing] is not above
    size_t passing = stepsBelowBoiling(pressure_kPa) + 1; // candidate; past the range = none
    while (passing - failing > 1) {
        const size_t mid = failing + (passing - failing) / 2;
        if (saturationRatio(ts[mid], pressure_kPa) > limit) {
            passing = mid;
        } else {
            failing = mid;
        }
    }
    if (passing > stepsBelowBoiling(pressure_kPa)) {
        throw CalculationError("Heat pipe selection: no off-coil temperature up to 100 degC keeps "
                               "the leaving air below 95 % saturation");
    }
    return ts[passing];
}

float HeatpipeEffectiveness()
{
    const DesignState& ds = designState();
    const double k = ds.finTypeHeatpipe == "Louvre" ? 68 : 39;
    const int32_t finsPerInch = ds.heatpipeFinsPerInch;
    const float resistance = finsPerInch == 6 ? 0.0048F : 0.0077F;
    const double velocity = ds.faceVelocity_mps;
    const double u = 0.0016 * finsPerInch * ds.heatpipeRows /
                     ((2 / (std::pow(velocity, 0.53) * k) + 2 * static_cast<double>(resistance)) * velocity);
    return static_cast<float>(u / (1 + u));
}

void HeatpipePressureDrop()
{
    DesignState& ds = designState();
    const double finsPerInch = ds.heatpipeFinsPerInch;
    const double a =
        ds.finTypeHeatpipe == "Louvre" ? 8.89 * std::pow(finsPerInch / 12, 1.3) : 3.32 * finsPerInch / 12;
    const double drop = a * std::pow(static_cast<double>(ds.faceVelocity_mps), 1.64) * ds.heatpipeRows * 2;
    if (!std::isfinite(drop)) {
        throw CalculationError("Heat pipe pressure drop: the result is not a number");
    }
    ds.heatpipePressureDrop_Pa = static_cast<float>(num::roundHalfAway(drop, 0));
}

namespace {

float leavingHumidityRatio(const DesignState& ds)
{
    using namespace Psycrometric;
    const float P = ds.barometricPressure_kPa;
    const AirState& leaving = ds.air[4];
    if (ds.relativeHumidityInput) {
        const float pws = static_cast<float>(SaturationPressure(leaving.dryBulb));
        const float pw = static_cast<float>(VapourPressure(leaving.relativeHumidity, pws));
        return static_cast<float>(HumidityRatioFromVapourPressure(pw, P));
    }
    const float pws = static_cast<float>(SaturationPressure(leaving.wetBulb));
    const float wsStar = static_cast<float>(SaturationHumidityRatio(pws, P, leaving.dryBulb));
    return static_cast<float>(HumidityRatioFromWetBulb(leaving.dryBulb, leaving.wetBulb, wsStar));
}

} // namespace

void selectRowsAndFins(float requiredEffectiveness)
{
    DesignState& ds = designState();
    for (int32_t rows = 1;; ++rows) {
        for (const int32_t finsPerInch : kFinsPerInchSteps) {
            ds.heatpipeRows = rows;
            ds.heatpipeFinsPerInch = finsPerInch;
            // Four rows is the sign that no heat pipe meets the requirement.
            if (rows > kMaxRows || HeatpipeEffectiveness() > requiredEffectiveness) {
                return;
            }
        }
    }
}

void SelectHeatpipe()
{
    DesignState& ds = designState();
    const float w4 = leavingHumidityRatio(ds);
    const float w4Stored = static_cast<float>(num::roundHalfAway(w4, 4));
    ds.air[3].humidityRatio = w4Stored;
    ds.air[4].humidityRatio = w4Stored;

    const float offCoil = offCoilDryBulb(w4, ds.barometricPressure_kPa);
    ds.air[3].dryBulb = static_cast<float>(num::roundHalfAway(offCoil, 1));

    const double dryBulb1 = ds.air[1].dryBulb;
    if (dryBulb1 == offCoil) {
        throw CalculationError("Heat pipe selection: the air on dry bulb equals the off-coil "
                               "temperature, so no effectiveness can be worked out");
    }
    const float required =
        static_cast<float>((ds.air[4].dryBulb - static_cast<double>(offCoil)) / (dryBulb1 - offCoil));
    ds.effectiveness_pct = static_cast<float>(num::roundHalfAway(required * 100.0, 0));

    selectRowsAndFins(required);
    HeatpipePressureDrop();
}

} // namespace vexa::HeatpipeSelection

namespace vexa::HeatpipeRating {

void RateHeatpipe()
{
    HeatpipeSelection::HeatpipePressureDrop();
}

} // namespace vexa::HeatpipeRating
