#include "design/AirStates.h"

#include "common/EngineError.h"
#include "common/NumberText.h"
#include "design/DesignState.h"
#include "design/HeatpipeSelection.h"
#include "design/Psycrometric.h"

#include <cmath>
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
                     float pressure_kPa)
{
    Working s{state.dryBulb, 0, 0};
    if (relativeHumidityInput) {
        s.w = humidityRatioAt(s.t, state.relativeHumidity, pressure_kPa);
        s.h = static_cast<float>(Enthalpy(s.t, s.w));
        state.wetBulb = rounded(WetBulb(pressure_kPa, s.t, s.w), 1);
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

Working offCoilState(DesignState& ds)
{
    const float P = ds.barometricPressure_kPa;
    AirState& state = ds.air[3];
    Working s{state.dryBulb, 0, 0};
    s.w = humidityRatioAt(s.t, kOffCoilRelativeHumidity_pct, P);
    s.h = static_cast<float>(Enthalpy(s.t, s.w));
    state.wetBulb = rounded(WetBulb(P, s.t, s.w), 1);
    state.relativeHumidity = kOffCoilRelativeHumidity_pct;
    storeRatioAndEnthalpy(state, s, "the air off the cooling coil");
    return s;
}

// Rating mode: the heat pipe's own effectiveness gives the leaving dry bulb; the
// reheat section adds no moisture.
Working ratedLeavingState(DesignState& ds, const Working& onCoil, const Working& offCoil)
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
    state.wetBulb = rounded(WetBulb(P, s.t, s.w), 1);
    return s;
}

// The precool section lowers the temperature by as much as the reheat section
// raises it; when that would pass 95 % relative humidity it condenses instead.
Working precooledState(DesignState& ds, const Working& onCoil, const Working& offCoil, const Working& leaving)
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
    state.wetBulb = rounded(WetBulb(P, s.t, s.w), 1);
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

    const Working onCoil = enteredState(ds.air[1], ds.relativeHumidityInput, false, P);
    storeRatioAndEnthalpy(ds.air[1], onCoil, "the air on the precool section");

    const Working offCoil = offCoilState(ds);

    Working leaving;
    if (ds.selectionMode) {
        leaving = enteredState(ds.air[4], ds.relativeHumidityInput, true, P);
    } else {
        leaving = ratedLeavingState(ds, onCoil, offCoil);
    }
    storeRatioAndEnthalpy(ds.air[4], leaving, "the air off the reheat section");

    const Working precooled = precooledState(ds, onCoil, offCoil, leaving);
    storeSavingsAndDuty(ds, onCoil, precooled, offCoil);
}

} // namespace vexa::Psycrometric
