#include "costing/ComponentCosts.h"

#include "common/NumberText.h"
#include "costing/CostRates.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"

namespace vexa::Costing {

namespace {

// Fixed fin geometry of the cost: 38.1 mm tube pitch and 33 mm row depth, in metres.
constexpr double kFinPitch_m = 0.0381;
constexpr double kRowDepth_m = 0.033;
constexpr double kFinsPerMmPerFpi = 0.0394; // 1 / 25.4 mm, to three figures
constexpr double kFinSheetAllowance = 1.1;

constexpr double kCopperDensity_kgm3 = 8900;
constexpr double kAluminiumDensity_kgm3 = 2700;
constexpr double kTubeWallSection_m2 = 0.0000146;
constexpr double kTubeLengthAllowance = 1.1;

constexpr double kCoatingMinimumBelow = 48;

bool horseshoeHeatpipeOnly()
{
    return designState().heatPipeOnly && costingState().horseshoeStyle;
}

ComponentCosts& components()
{
    return costingState().components;
}

} // namespace

void FinCost(int32_t rows)
{
    const DesignState& ds = designState();
    const std::string& material = ds.finMaterial;
    const int32_t finsPerInch = ds.heatpipeFinsPerInch;
    const double fins = static_cast<double>(finsPerInch) * ds.finnedWidth_mm * kFinsPerMmPerFpi;
    const double sheet_m2 =
        kFinSheetAllowance * kFinPitch_m * ds.tubesHigh * kRowDepth_m * static_cast<double>(rows) * fins;
    const bool thickFins = (material == "Aluminium" || material == "Blygold") && finsPerInch == 6;
    const double thickness_m = thickFins ? 0.00025 : 0.00015;
    const double density = material == "Copper" ? kCopperDensity_kgm3 : kAluminiumDensity_kgm3;
    const double mass_kg = sheet_m2 * thickness_m * density;

    double perKg = 0; // an unknown material text costs nothing
    if (material == "Aluminium" || material == "Blygold") {
        perKg = rate(kAluminiumFinPerKg);
    } else if (material == "Copper") {
        perKg = rate(kCopperFinPerKg);
    } else if (material == "Vinyl") {
        perKg = rate(kVinylFinPerKg);
    }
    components().fin = static_cast<float>(mass_kg * perKg);
}

void TubeCost(int32_t rows)
{
    const DesignState& ds = designState();
    const bool heatpipeOnly = ds.heatPipeOnly;
    const bool acrossBothSections = heatpipeOnly && !costingState().horseshoeStyle;
    const double length_mm = ds.finnedWidth_mm * (acrossBothSections ? 2 : 1) * kTubeLengthAllowance;
    const double mass_kg = (static_cast<double>(ds.tubesHigh) * rows * length_mm / 1000) *
                           kTubeWallSection_m2 * kCopperDensity_kgm3;
    components().tube =
        static_cast<float>(mass_kg * rate(heatpipeOnly ? kHeatpipeTubePerKg : kCoolingCoilTubePerKg));
}

void TubeAllowanceA(int32_t rows)
{
    components().tubeAllowanceA =
        static_cast<float>(rate(kTubeAllowanceA) * designState().tubesHigh * static_cast<double>(rows));
}

void TubeAllowanceB(int32_t rows)
{
    const double full = rate(kTubeAllowanceB) * designState().tubesHigh * static_cast<double>(rows);
    components().tubeAllowanceB = static_cast<float>(horseshoeHeatpipeOnly() ? full : full / 2);
}

void FixedAmount()
{
    components().fixedAmount = static_cast<float>(rate(kFixedPerCoil));
}

void CoolingCoilAllowance()
{
    components().coolingCoilAllowance =
        static_cast<float>(20 + static_cast<double>(designState().CoolingDutyWatts) / 3000);
}

void FittingAllowance(int32_t rows)
{
    // Taller coils need twice the fittings per row.
    const double perRow = designState().tubesHigh >= 20 ? 40 : 20;
    components().fittingAllowance = static_cast<float>(rows * rate(kPerItem) * perRow);
}

void CoatingCost()
{
    const DesignState& ds = designState();
    if (ds.finMaterial != "Blygold") {
        components().coating = 0;
        return;
    }
    double perM2 = 0; // no coating rate for other row counts: the minimum applies
    switch (ds.heatpipeRows) {
    case 1:
        perM2 = rate(kCoating1Row);
        break;
    case 2:
        perM2 = rate(kCoating2Rows);
        break;
    case 3:
        perM2 = rate(kCoating3Rows);
        break;
    case 4:
        perM2 = rate(kCoating4Rows);
        break;
    case 6:
        perM2 = rate(kCoating6Rows);
        break;
    case 8:
        perM2 = rate(kCoating8Rows);
        break;
    default:
        break;
    }
    const double face_m2 = ds.tubesHigh * kFinPitch_m * ds.finnedWidth_mm / 1000;
    double cost = face_m2 * perM2 * (costingState().horseshoeStyle ? 2 : 1);
    if (cost < kCoatingMinimumBelow) {
        cost = rate(kCoatingMinimum);
    }
    components().coating = static_cast<float>(cost);
}

void ChargeCost()
{
    const DesignState& ds = designState();
    components().charge = static_cast<float>(rate(kChargePerKg) * 1.25 * ds.finnedWidth_mm * ds.tubesHigh *
                                             ds.heatpipeRows * 0.00005);
}

void EliminatorCost()
{
    const DesignState& ds = designState();
    if (!costingState().eliminators) {
        components().eliminators = 0;
        return;
    }
    const double length_mm = ds.finnedLength_mm;
    const double pitch_m = static_cast<double>(ds.TubePitch) / 1000;
    const int32_t blades = num::floorToInt32(length_mm / 25);
    const int32_t frames = 2 * num::floorToInt32(ds.tubesHigh * pitch_m / 0.65);
    components().eliminators =
        static_cast<float>(rate(kEliminatorBlades) * blades * ds.tubesHigh * pitch_m +
                           rate(kEliminatorFrames) * (frames + 4) * (length_mm / 400 + 1));
}

} // namespace vexa::Costing
