#pragma once

namespace vexa::Costing {

// Indices into CostRateTable; all rates are pounds sterling.
enum CostRate : int {
    kAluminiumFinPerKg = 1, // also "Blygold" fins
    kCopperFinPerKg = 2,
    kVinylFinPerKg = 3,
    kHeatpipeTubePerKg = 4,
    kCoolingCoilTubePerKg = 5,
    kTubeAllowanceA = 6, // per tube per row
    kTubeAllowanceB = 7, // per tube per row
    kFixedPerCoil = 8,
    kBend3_8 = 9,
    kBend1_2 = 10, // also any unlisted tube diameter
    kBend5_8 = 11,
    kPerItem = 12,
    kCoating1Row = 13, // per m2 of face; 14 to 18 for 2, 3, 4, 6 and 8 rows
    kCoating2Rows = 14,
    kCoating3Rows = 15,
    kCoating4Rows = 16,
    kCoating6Rows = 17,
    kCoating8Rows = 18,
    kCoatingMinimum = 19,
    kChargePerKg = 20, // depends on the application type
    kEliminatorBlades = 21,
    kEliminatorFrames = 22,
    kGalvanisedSheetPerM2 = 23,
    kStainlessSheetPerM2 = 24,
    kSheetMetalLabour = 25,
};

// Writes the 25 rates of CostRateTable afresh for the application type of the
// design record ("Dubai" charges 1.5 per kg of refrigerant, any other 5).
void LoadCostRates();

// The rate at an index, from the table LoadCostRates wrote.
double rate(CostRate index);

} // namespace vexa::Costing
