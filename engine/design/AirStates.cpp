#include "design/AirStates.h"

#include "common/EngineError.h"
#include "common/NumberText.h"
#include "design/DesignState.h"
#include "design/HeatpipeSelection.h"
#include "design/Psycrometric.h"

#include <array>
#include <cmath>
#include <span>
#include <string>

namespace vexa::Psycrometric {

namespace {

// 1.2 kg/m3: the air density used for every duty and saving.
constexpr double kAirDensity_kgm3 = 1.2;
// Air off the cooling coil is taken at 95 % relative humidity.
constexpr float kOffCoilRelativeHumidity_pct = 95;

// Working values of one state, in single precision and never rounded.
struct Working {
    float t = 0;
    float w = 0;
    float h = 0;
};

float rounded(double value, int decimals)
{
    return static_cast<float>(num::roundHalfAway(value, decimals));
}

// The wet bulbs of a calculation are only stored, never used by a later state, so
// they are worked out together at the end, side by side.
class PendingWetBulbs {
public:
    void add(float t, float w, float* target)
    {
        m_queries.at(m_count) = {t, w};
        m_targets.at(m_count) = target;
        ++m_count;
    }

    void store(float pressure_kPa)
    {
        std::array<float, 4> results{};
        WetBulbs(pressure_kPa, std::span(m_queries.data(), m_count), std::span(results.data(), m_count));
        for (size_t i = 0; i < m_count; ++i) {
            *m_targets[i] = static_cast<float>(num::roundHalfAway(results[i], 1));
        }
    }

private:
    std::array<WetBulbQuery, 4> m_queries{};
    std::array<float*, 4> m_targets{};
    size_t m_count = 0;
};

void requireFinite(double value, const char* what)
{
    if (!std::isfinite(value)) {
        throw CalculationError(std::string("Air states: ") + what + " is not a number");
    }
}

float relativeHumidityFrom(float t, float w, float pressure_kPa)
{
    const float pws = static_cast<float>(SaturationPressure(t));
    const float ws = static_cast<float>(SaturationHumidityRatio(pws, pressure_kPa, t));
    const float mu = static_cast<float>(w / static_cast<double>(ws));
    return static_cast<float>(RelativeHumidity(mu, pws, pressure_kPa));
}

float humidityRatioAt(float t, float relativeHumidity_pct, float pressure_kPa)
{
    const float pws = static_cast<float>(SaturationPressure(t));
    const float pw = static_cast<float>(VapourPressure(relativeHumidity_pct, pws));
    return static_cast<float>(HumidityRatioFromVapourPressure(pw, pressure_kPa));
}

float humidityRatioFromWetBulbAt(float t, float wetBulb, float pressure_kPa)
{
    const float pws = static_cast<float>(SaturationPressure(wetBulb));
    const float wsStar = static_cast<float>(SaturationHumidityRatio(pws, pressure_kPa, t));
    return static_cast<float>(HumidityRatioFromWetBulb(t, wetBulb, wsStar));
}

// A state entered as dry bulb with wet bulb or relative humidity: completes the
// other one and gives the working humidity ratio and enthalpy. The leaving state
// stores its entered wet bulb back rounded; the entering state keeps it as entered.
Working enteredState(AirState& state, bool relativeHumidityInput, bool roundEnteredWetBulb,
                     float pressure_kPa, PendingWetBulbs& wetBulbs)
{
    Working s{state.dryBulb, 0, 0};
    if (relativeHumidityInput) {
        s.w = humidityRatioAt(s.t, state.relativeHumidity, pressure_kPa);
        s.h = static_cast<float>(Enthalpy(s.t, s.w));
        wetBulbs.add(s.t, s.w, &state.wetBulb);
    } else {
        s.w = humidityRatioFromWetBulbAt(s.t, state.wetBulb, pressure_kPa);
        state.relativeHumidity = rounded(relativeHumidityFrom(s.t, s.w, pressure_kPa), 0);
        s.h = static_cast<float>(Enthalpy(s.t, s.w));
        if (roundEnteredWetBulb) {
            state.wetBulb = rounded(state.wetBulb, 1);
        }
    }
    return s;
}

void storeRatioAndEnthalpy(AirState& state, const Working& s, const char* name)
{
    requireFinite(s.w, name);
    requireFinite(s.h, name);
    state.humidityRatio = rounded(s.w, 4);
    state.enthalpy = rounded(s.h, 2);
}

Working offCoilState(DesignState& ds, PendingWetBulbs& wetBulbs)
{
    const float P = ds.barometricPressure_kPa;
    AirState& state = ds.air[3];
    Working s{state.dryBulb, 0, 0};
    s.w = humidityRatioAt(s.t, kOffCoilRelativeHumidity_pct, P);
    s.h = static_cast<float>(Enthalpy(s.t, s.w));
    wetBulbs.add(s.t, s.w, &state.wetBulb);
    state.relativeHumidity = kOffCoilRelativeHumidity_pct;
    storeRatioAndEnthalpy(state, s, "the air off the cooling coil");
    return s;
}

// Rating mode: the heat pipe's own effectiveness gives the leaving dry bulb; the
// reheat section adds no moisture.
Working ratedLeavingState(DesignState& ds, const Working& onCoil, const Working& offCoil,
                          PendingWetBulbs& wetBulbs)
{
    const float P = ds.barometricPressure_kPa;
    const float effectiveness = HeatpipeSelection::HeatpipeEffectiveness();
    Working s;
    s.t = static_cast<float>(
        static_cast<double>(effectiveness) * (onCoil.t - static_cast<double>(offCoil.t)) + offCoil.t);
    s.w = offCoil.w;
    s.h = static_cast<float>(Enthalpy(s.t, s.w));
    AirState& state = ds.air[4];
    state.dryBulb = rounded(s.t, 1);
    ds.effectiveness_pct = rounded(effectiveness * 100.0, 1);
    state.relativeHumidity = rounded(relativeHumidityFrom(s.t, s.w, P), 0);
    wetBulbs.add(s.t, s.w, &state.wetBulb);
    return s;
}

// The precool section lowers the temperature by as much as the reheat section
// raises it; when that would pass 95 % relative humidity it condenses instead.
Working precooledState(DesignState& ds, const Working& onCoil, const Working& offCoil, const Working& leaving,
                       PendingWetBulbs& wetBulbs)
{
    const float P = ds.barometricPressure_kPa;
    Working s;
    s.t = static_cast<float>(onCoil.t - (static_cast<double>(leaving.t) - offCoil.t));
    s.w = onCoil.w;
    float relativeHumidity = relativeHumidityFrom(s.t, s.w, P);
    s.h = static_cast<float>(Enthalpy(s.t, s.w));
    if (relativeHumidity >= kOffCoilRelativeHumidity_pct) {
        s.h = static_cast<float>(onCoil.h - (static_cast<double>(leaving.h) - offCoil.h));
        s.t = static_cast<float>(DryBulbAt95(s.h));
        relativeHumidity = kOffCoilRelativeHumidity_pct;
        s.w = humidityRatioAt(s.t, kOffCoilRelativeHumidity_pct, P);
    }
    AirState& state = ds.air[2];
    requireFinite(s.t, "the air off the precool section");
    wetBulbs.add(s.t, s.w, &state.wetBulb);
    state.dryBulb = rounded(s.t, 1);
    state.relativeHumidity = rounded(relativeHumidity, 0);
    storeRatioAndEnthalpy(state, s, "the air off the precool section");
    return s;
}

void storeSavingsAndDuty(DesignState& ds, const Working& onCoil, const Working& precooled,
                         const Working& offCoil)
{
    const double airFlow = ds.airFlowRate_m3s;
    const double saving_kW = (static_cast<double>(onCoil.h) - precooled.h) * airFlow * kAirDensity_kgm3;
    // The heat the precool section takes out is the heat the reheat section puts back.
    ds.preCoolSaving_kW = num::roundHalfAway(saving_kW, 1);
    ds.reHeatSaving_kW = ds.preCoolSaving_kW;
    const double duty_W = (static_cast<double>(precooled.h) - offCoil.h) * kAirDensity_kgm3 * airFlow * 1000;
    requireFinite(duty_W, "the cooling duty");
    ds.CoolingDutyWatts = static_cast<float>(duty_W);
    ds.duty_kW = rounded(static_cast<double>(ds.CoolingDutyWatts) / 1000, 1);
}

} // namespace

void CalculateAirStates()
{
    DesignState& ds = designState();
    const float P = ds.barometricPressure_kPa;

    PendingWetBulbs wetBulbs;
    const Working onCoil = enteredState(ds.air[1], ds.relativeHumidityInput, false, P, wetBulbs);
    storeRatioAndEnthalpy(ds.air[1], onCoil, "the air on the precool section");

    const Working offCoil = offCoilState(ds, wetBulbs);

    Working leaving;
    if (ds.selectionMode) {
        leaving = enteredState(ds.air[4], ds.relativeHumidityInput, true, P, wetBulbs);
    } else {
        leaving = ratedLeavingState(ds, onCoil, offCoil, wetBulbs);
    }
    storeRatioAndEnthalpy(ds.air[4], leaving, "the air off the reheat section");

    const Working precooled = precooledState(ds, onCoil, offCoil, leaving, wetBulbs);
    storeSavingsAndDuty(ds, onCoil, precooled, offCoil);
    wetBulbs.store(P);
}

} // namespace vexa::Psycrometric
