#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vexa {

// The component costs of one pricing pass, in pounds sterling, single precision.
// Components a unit does not need keep the value of an earlier pricing.
struct ComponentCosts {
    float fin = 0;
    float tube = 0;
    float tubeAllowanceA = 0;
    float tubeAllowanceB = 0;
    float fixedAmount = 0;
    float coolingCoilAllowance = 0;
    float fittingAllowance = 0;
    float coating = 0;
    float charge = 0; // straight or combination heat pipe
    float eliminators = 0;
    float horseshoeCharge = 0; // horseshoe circuits
    float bends = 0;
    float items = 0;
};

// The casing worked out by the sheet metal step: the last call's rate, rows,
// depth, supports and panels, and the three casing totals (pounds).
struct CasingCosts {
    float sheetRate_perm2 = 0;
    int32_t rowCount = 0;
    float depth_mm = 0;
    int32_t supportCount = 0;
    double sidePanel = 0;
    double topPanel = 0;
    double supportPlate = 0;
    double tubePlate = 0;
    double drainPan = 0;
    double wholeUnit = 0; // KU: heat pipe and cooling coil in one casing
    double horseshoe = 0; // KH: horseshoe heat pipe
    double straight = 0;  // KS: straight or combination heat pipe
};

// The costing part of the engine's process-wide design record: the unit's build
// options and commercial parameters, the results of the last costing and the
// working figures of the price. Shared by every Cost object.
struct CostingState {
    // Build options
    std::string casingMaterial; // "Galvanised sheet" or "Stainless sheet"
    std::string drainpanType;   // "No Drainpan", "Flat Drainpan", "Sloping Drainpan" or "Perforated Base"
    bool eliminators = false;
    bool stainlessSteelDrainpan = false;
    std::string orientation; // "Horizontal" or "Vertical"; empty counts as horizontal
    bool horseshoeStyle = false;
    bool straightStyle = false; // neither flag: combination heat pipe

    // Commercial parameters
    int16_t margin_pct = 0;
    double additionalCost = 0; // pounds
    double exchangeRate = 0;   // currency units per pound
    double energyCost = 0;     // currency units per kWh
    double annualRunningHours = 0;

    // Results
    int32_t exWorksPriceSterling = 0; // pounds
    int32_t exWorksPriceForeign = 0;  // currency units
    double approximateWeight_kg = 0;  // whole kilograms
    std::string sizes;                // "height x width x depth" in mm, no blanks
    double annualPrecoolSaving = 0;   // currency units per year, whole
    double annualReheatSaving = 0;
    double annualCostSaving = 0;
    double paybackPeriod_months = 0; // whole months

    // Working figures of the price
    std::array<double, 26> CostRateTable{}; // pounds, indexed 1 to 25
    ComponentCosts components;
    float heatpipeMaterials = 0;    // a (straight or combination) or b (horseshoe pass)
    float coolingCoilMaterials = 0; // d
    float heatpipeLabour = 0;       // la or lb
    float coolingCoilLabour = 0;    // ld
    double heatpipeShare = 0;       // HP
    double coolingCoilShare = 0;    // CC
    CasingCosts casing;
};

// The record shared by the whole process.
CostingState& costingState();

// Puts the record back to its state when the engine is loaded: every number zero,
// every text empty, every flag false.
void resetCostingState();

} // namespace vexa
