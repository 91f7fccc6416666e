#include "costing/CalculateWeight.h"

#include "common/NumberText.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"

namespace vexa::Costing {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kRowDepth_m = 0.033;
constexpr double kTubePitch_m = 0.0381;
constexpr double kFinThickness_m = 0.00015;
constexpr double kAluminiumDensity_kgm3 = 2740;
constexpr double kCopperDensity_kgm3 = 8910;
constexpr double kTubeWallSection_m2 = 0.00001458;
constexpr double kSteelSheet_m = 0.0016;
constexpr double kSteelDensity_kgm3 = 7200;
constexpr double kEliminatorAllowance = 1.125;

// Fins of both sections for the given rows and fins per inch: copper fins weigh
// 3.25 times as much, 6 fins per inch of another material use thicker fins.
double finWeight(int32_t rows, int32_t finsPerInch)
{
    const DesignState& ds = designState();
    const double W = ds.finnedWidth_mm;
    double fins = W * finsPerInch / kMmPerInch * (rows * kRowDepth_m * ds.tubesHigh * kTubePitch_m) *
                  kFinThickness_m * kAluminiumDensity_kgm3 * 2;
    if (ds.finMaterial == "Copper") {
        fins = fins * 3.25;
    } else if (finsPerInch == 6) {
        fins = fins * 1.66;
    }
    return fins;
}

double tubeWeight(int32_t rows)
{
    const DesignState& ds = designState();
    return static_cast<double>(ds.tubesHigh) * rows * 2 * (ds.finnedWidth_mm / 1000.0) * kTubeWallSection_m2 *
           kCopperDensity_kgm3;
}

} // namespace

double HeatpipeWeight()
{
    const DesignState& ds = designState();
    const bool straight = costingState().straightStyle;
    const double N = ds.tubesHigh;
    const double W = ds.finnedWidth_mm;
    const int32_t R = ds.heatpipeRows;
    double casing =
        (0.15 * N * kTubePitch_m * 6 + 0.15 * W / 1000 * 4) * 1.3 * kSteelSheet_m * kSteelDensity_kgm3;
    double fittings = N * R * W / 8000;
    if (straight) {
        casing = casing / 1.3;
        fittings = fittings / 1.4;
    }
    return finWeight(R, ds.heatpipeFinsPerInch) + tubeWeight(R) + casing + fittings;
}

double CoolingCoilWeight()
{
    const DesignState& ds = designState();
    const double N = ds.tubesHigh;
    const double W = ds.finnedWidth_mm;
    const int32_t Rc = ds.coilRows;
    const double casing = (Rc * kRowDepth_m * N * kTubePitch_m * 6 + 0.15 * W / 1000 * 4) * 1.3 *
                          kSteelSheet_m * kSteelDensity_kgm3;
    const double headers = N * kTubePitch_m * 4;
    return finWeight(Rc, ds.coilFinsPerInch) + tubeWeight(Rc) + casing + headers;
}

void CalculateWeight()
{
    double weight = HeatpipeWeight();
    if (!designState().heatPipeOnly) {
        weight = weight + CoolingCoilWeight();
    }
    if (costingState().eliminators) {
        weight = weight * kEliminatorAllowance;
    }
    costingState().approximateWeight_kg = num::roundHalfAway(weight, 0);
}

} // namespace vexa::Costing
