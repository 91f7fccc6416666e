#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vexa {

// One air state along the airstream: dry bulb and wet bulb (degC), relative
// humidity (%), humidity ratio (kg/kg dry air), enthalpy (kJ/kg dry air). Stored
// values are already rounded for display.
struct AirState {
    float dryBulb = 0;
    float wetBulb = 0;
    float relativeHumidity = 0;
    float humidityRatio = 0;
    float enthalpy = 0;
};

// The engine's one process-wide record of design inputs, option flags and results.
// Every Main object and every calculation step reads and writes the same record.
struct DesignState {
    // Inputs
    int32_t finnedHeight_mm = 0;
    int32_t finnedWidth_mm = 0;
    float airFlowRate_m3s = 0;
    std::string finMaterial;        // "Aluminium", "Copper", "Vinyl" or "Blygold"
    std::string finTypeHeatpipe;    // "Louvre" or "Ripple"
    std::string finTypeCoolingCoil; // "Louvre" or "Ripple"
    std::string tubeDiameter;       // "3/8", "1/2"; any other text counts as 5/8
    std::string applicationType;    // "UK" or "Dubai"
    float inletWaterTemp_C = 0;
    float outletWaterTemp_C = 0;
    float evaporatingTemp_C = 0;
    int32_t heatpipeRows = 0;
    int32_t heatpipeFinsPerInch = 0;
    float barometricPressure_kPa = 0;

    // Flags
    bool selectionMode = false;
    bool wetBulbInput = false;
    bool relativeHumidityInput = false;
    bool heatPipeOnly = false;
    bool chilledWater = false;
    bool refrigerant = false;
    bool TwoSectionFlag = false; // set once a finned height above 1910 mm is accepted

    // Geometry
    float TubePitch = 0; // mm
    float actualFaceHeight_mm = 0;
    float faceArea_m2 = 0;      // rounded to 0.01
    float faceVelocity_mps = 0; // rounded to 0.01
    int32_t tubesHigh = 0;
    int32_t finnedLength_mm = 0;

    // Air states 1 to 4 (index 0 is unused so that air[3] is state 3)
    std::array<AirState, 5> air{};

    // Heat pipe results
    float effectiveness_pct = 0;
    float heatpipePressureDrop_Pa = 0;

    // Savings and duty
    double preCoolSaving_kW = 0;
    double reHeatSaving_kW = 0;
    float duty_kW = 0;
    float CoolingDutyWatts = 0; // unrounded

    // Cooling coil results
    int32_t coilRows = 0;
    int32_t coilFinsPerInch = 0;
    std::string coilCode;
    std::string connectionSize;
    std::string inletConnectionSize;
    std::string outletConnectionSize;
    float airPressureDrop_Pa = 0;
    float totalPressureDrop_Pa = 0;
    float fluidPressureDrop_kPa = 0;
    double logMeanEnthalpyDiff_kJkg = 0;
    double airsideResistance = 0;      // m2K/W
    double effectiveFinResistance = 0; // m2K/W
    double meanCoilFluidTemp_C = 0;
    double lAtMeanFluidTemp = 0; // J/kg per K
    double fluidFlowRate_ls = 0;
    double tubeVelocity_mps = 0;
    double internalTubeHeatTransferCoefficient = 0; // W/m2K
    double wetThermalResistance = 0;                // s m2/kg
    double wetHeatTransferCoefficient = 0;          // kg/s m2
    double requiredSurfaceArea_m2 = 0;
};

// The record shared by the whole process.
DesignState& designState();

// Puts the record back to its state when the engine is loaded: every number zero,
// every text empty, every flag false.
void resetDesignState();

} // namespace vexa
