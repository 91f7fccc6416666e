#include "design/CoolingCoilSelections.h"

#include "common/EngineError.h"
#include "common/NumberText.h"
#include "design/DesignState.h"
#include "design/Psycrometric.h"

#include <array>
#include <cmath>

namespace vexa::CoolingCoilSelections {

namespace {

// The cooling coil always has 5/8 inch tubes at 38.1 mm pitch.
constexpr double kCoilTubePitch_mm = 38.1;
// Inside cross-section of one tube, m2.
constexpr double kTubeInsideArea_m2 = 1.04e-4;
constexpr double kMaxTubeVelocity_mps = 1.5;
constexpr double kMaxLoadPerCircuit_W = 8000;
constexpr std::array<const char*, 5> kCircuitLetters = {"H", "P", "F", "Q", "D"};

struct Coil {
    int tubesHigh = 0;
    double logMeanDifference = 0; // kJ/kg, unrounded
    double airsideResistance = 0;
    double finResistance = 0;
    double slope = 0; // L, J/kg per K
    double waterFlow_m3s = 0;
    double tubeVelocity_mps = 0; // unrounded
    double insideCoefficient = 0;
    std::string letter;
    int32_t rows = 0;
    int32_t finsPerInch = 0;
};

double rounded(double value, int decimals)
{
    return num::roundHalfAway(value, decimals);
}

// Enthalpy of saturated air at t, in single precision as the coil method holds it.
float saturatedEnthalpy(float t, float pressure_kPa)
{
    using namespace Psycrometric;
    const float pws = static_cast<float>(SaturationPressure(t));
    const float ws = static_cast<float>(SaturationHumidityRatio(pws, pressure_kPa, t));
    return static_cast<float>(Enthalpy(t, ws));
}

double logMeanEnthalpyDifference(const DesignState& ds)
{
    const float P = ds.barometricPressure_kPa;
    const double h1 = ds.air[1].enthalpy;
    const double h3 = ds.air[3].enthalpy;
    double d1 = 0;
    double d2 = 0;
    if (ds.chilledWater) {
        d1 = h1 - saturatedEnthalpy(ds.outletWaterTemp_C, P);
        d2 = h3 - saturatedEnthalpy(ds.inletWaterTemp_C, P);
    } else {
        const float evaporating = ds.evaporatingTemp_C;
        d1 = h1 - saturatedEnthalpy(evaporating, P);
        d2 = h3 - saturatedEnthalpy(evaporating, P);
    }
    if (!(d1 > 0 && d2 > 0) || d1 == d2) {
        throw CalculationError(
            "Cooling coil selection: the coil cannot reach the air off coil state with this "
            "fluid temperature (the air must stay warmer than saturated air at the fluid "
            "temperature on both sides of the coil)");
    }
    return (d1 - d2) / std::log(d1 / d2);
}

double finResistanceFor(const std::string& finMaterial)
{
    if (finMaterial == "Aluminium") {
        return 0.0077;
    }
    if (finMaterial == "Copper") {
        return 0.005;
    }
    if (finMaterial == "Vinyl") {
        return 0.006;
    }
    return 0;
}

std::string connectionSizeFor(double waterFlow_m3s)
{
    struct Band {
        double below_m3s;
        const char* size;
    };
    static constexpr std::array<Band, 7> kBands = {{{4.97e-4, "3/4 inch"},
                                                    {8.59e-4, "1 inch"},
                                                    {1.407e-3, "1 1/4 inch"},
                                                    {1.985e-3, "1 1/2 inch"},
                                                    {3.575e-3, "2 inch"},
                                                    {5.63e-3, "2 1/2 inch"},
                                                    {7.938e-3, "3 inch"}}};
    for (const Band& band : kBands) {
        if (waterFlow_m3s < band.below_m3s) {
            return band.size;
        }
    }
    return "2 x 3 inch";
}

double headerArea_m2(const std::string& connectionSize)
{
    if (connectionSize == "3/4 inch" || connectionSize == "1 inch") {
        return 4.91e-4;
    }
    if (connectionSize == "1 1/4 inch") {
        return 8.04e-4;
    }
    if (connectionSize == "1 1/2 inch") {
        return 1.134e-3;
    }
    if (connectionSize == "2 inch") {
        return 2.043e-3;
    }
    if (connectionSize == "2 1/2 inch") {
        return 3.117e-3;
    }
    if (connectionSize == "3 inch") {
        return 4.536e-3;
    }
    return 9.072e-3; // "2 x 3 inch"
}

double tubeLengthsPerCircuit(const std::string& letter, int32_t rows)
{
    if (letter == "H") {
        return 2.0 * rows;
    }
    if (letter == "P") {
        return 1.5 * rows;
    }
    if (letter == "F") {
        return rows;
    }
    if (letter == "Q") {
        return rows * 2 / 3.0;
    }
    return rows / 2.0; // "D"
}

std::string outletConnectionFor(double duty_W)
{
    struct Band {
        double below_W;
        const char* size;
    };
    static constexpr std::array<Band, 7> kBands = {{{1760, "1/2 inch"},
                                                    {4000, "5/8 inch"},
                                                    {11000, "7/8 inch"},
                                                    {21000, "1 1/8 inch"},
                                                    {38000, "1 3/8 inch"},
                                                    {62000, "1 5/8 inch"},
                                                    {123000, "2 1/8 inch"}}};
    for (const Band& band : kBands) {
        if (duty_W < band.below_W) {
            return band.size;
        }
    }
    return "2 3/8 inch";
}

std::string inletConnectionFor(double circuits)
{
    if (circuits < 7) {
        return "5/8 inch";
    }
    if (circuits < 13) {
        return "7/8 inch";
    }
    return "1 1/8 inch";
}

// Rows needed at finsPerInch for one pass; stores the pass's wet resistance,
// coefficient and surface area, as the last pass evaluated is what the record keeps.
int32_t rowsForPass(DesignState& ds, const Coil& coil, double finResistance, int32_t finsPerInch)
{
    const double wetResistance = 1000 * (coil.airsideResistance + finResistance) +
                                 coil.slope * (2.55 * finsPerInch) / coil.insideCoefficient;
    const double coefficient = 1 / wetResistance;
    const double dutyBasis_W = ds.chilledWater ? ds.CoolingDutyWatts : 1.1 * ds.CoolingDutyWatts;
    const double surface_m2 = dutyBasis_W / (coefficient * coil.logMeanDifference * 1000);
    ds.wetThermalResistance = rounded(wetResistance, 2);
    ds.wetHeatTransferCoefficient = rounded(coefficient, 4);
    ds.requiredSurfaceArea_m2 = rounded(surface_m2, 2);

    int32_t rows = num::toInt32(surface_m2 / (2.41 * finsPerInch * ds.faceArea_m2)) + 1;
    if (rows == 5) {
        rows = 6;
    } else if (rows == 7) {
        rows = 8;
    } else if (rows < 3) {
        rows = 3;
    }
    return rows;
}

// Lowers the fin density from 12 towards 6 fins per inch as long as the row count
// does not grow; never more than 10 rows.
void chooseRowsAndFins(DesignState& ds, Coil& coil)
{
    constexpr std::array<int32_t, 5> kFinsPerInchOfPass = {12, 12, 10, 8, 6};
    int32_t previousRows = 10;
    int32_t finsPerInch = 12;
    int pass = 1;
    int32_t rows = 0;
    for (;; ++pass) {
        double finResistance = coil.finResistance;
        if (pass == 4 && ds.finMaterial == "Aluminium") {
            finResistance = 0.0048;
            ds.effectiveFinResistance = rounded(finResistance, 5);
        }
        rows = rowsForPass(ds, coil, finResistance, finsPerInch);
        if (rows > previousRows) {
            rows = previousRows;
            --pass;
            break;
        }
        if (pass == 4) {
            break;
        }
        previousRows = rows;
        finsPerInch -= 2;
    }
    coil.rows = rows;
    coil.finsPerInch = kFinsPerInchOfPass.at(static_cast<size_t>(pass));
}

void fluidPressureDrop(DesignState& ds, const Coil& coil)
{
    const double headerVelocity_mps = coil.waterFlow_m3s / headerArea_m2(ds.connectionSize);
    const double f = tubeLengthsPerCircuit(coil.letter, coil.rows);
    const double v = coil.tubeVelocity_mps;
    const double m = headerVelocity_mps;
    const double drop_kPa =
        (1.33 * ds.finnedWidth_mm * f * v * v + 5100 * m * m - 2300 * v * m + 2200 * v * v) / 1000;
    ds.fluidPressureDrop_kPa = static_cast<float>(rounded(drop_kPa, 1));
}

std::string coilCode(const DesignState& ds, const Coil& coil)
{
    return std::string(ds.chilledWater ? "12W" : "12DE") + coil.letter + num::S(coil.finsPerInch) + "." +
           num::S(coil.rows) + "-" + num::S(coil.tubesHigh) + "Tx" + num::S(ds.finnedWidth_mm);
}

void airPressureDrops(DesignState& ds, const Coil& coil)
{
    const double velocityTerm = std::pow(static_cast<double>(ds.faceVelocity_mps), 1.64);
    const double fins = coil.finsPerInch / 12.0;
    const double drop_Pa = ds.finTypeCoolingCoil == "Louvre"
                               ? coil.rows * 1.44 * std::pow(fins, 1.3) * 8.89 * velocityTerm
                               : coil.rows * 1.44 * fins * 3.32 * velocityTerm;
    ds.airPressureDrop_Pa = static_cast<float>(rounded(drop_Pa, 0));
    ds.totalPressureDrop_Pa = static_cast<float>(
        rounded(static_cast<double>(ds.heatpipePressureDrop_Pa) + ds.airPressureDrop_Pa, 0));
}

void requireFiniteResults(const DesignState& ds)
{
    const std::array<double, 9> results = {
        ds.logMeanEnthalpyDiff_kJkg, ds.lAtMeanFluidTemp,      ds.fluidFlowRate_ls,
        ds.tubeVelocity_mps,         ds.wetThermalResistance,  ds.wetHeatTransferCoefficient,
        ds.requiredSurfaceArea_m2,   ds.fluidPressureDrop_kPa, ds.airPressureDrop_Pa};
    for (const double value : results) {
        if (!std::isfinite(value)) {
            throw CalculationError("Cooling coil selection: a result is not a number");
        }
    }
}

} // namespace

double circuitsFor(const std::string& letter, int tubesHigh)
{
    if (letter == "H") {
        return tubesHigh / 2.0;
    }
    if (letter == "P") {
        return tubesHigh * 2 / 3.0;
    }
    if (letter == "F") {
        return tubesHigh;
    }
    if (letter == "Q") {
        return tubesHigh * 3 / 2.0;
    }
    return tubesHigh * 2.0; // "D"
}

double SaturationEnthalpySlope(double meanFluidTemp_C, double pressure_kPa)
{
    const float pressure = static_cast<float>(pressure_kPa);
    const float above = saturatedEnthalpy(static_cast<float>(meanFluidTemp_C + 1), pressure);
    const float below = saturatedEnthalpy(static_cast<float>(meanFluidTemp_C - 1), pressure);
    return (static_cast<double>(above) - below) / 2 * 1000;
}

std::string WaterCircuiting(double waterFlow_m3s, int tubesHigh, double& tubeVelocity_mps)
{
    for (const char* letter : kCircuitLetters) {
        tubeVelocity_mps = waterFlow_m3s / (kTubeInsideArea_m2 * circuitsFor(letter, tubesHigh));
        if (tubeVelocity_mps < kMaxTubeVelocity_mps) {
            return letter;
        }
    }
    return "D";
}

std::string RefrigerantCircuiting(double duty_W, int tubesHigh)
{
    for (const char* letter : kCircuitLetters) {
        if (duty_W / circuitsFor(letter, tubesHigh) <= kMaxLoadPerCircuit_W) {
            return letter;
        }
    }
    return "D";
}

void SelectCoolingCoil()
{
    DesignState& ds = designState();
    Coil coil;
    coil.tubesHigh = num::floorToInt32(ds.actualFaceHeight_mm / kCoilTubePitch_mm);

    coil.logMeanDifference = logMeanEnthalpyDifference(ds);
    ds.logMeanEnthalpyDiff_kJkg = rounded(coil.logMeanDifference, 1);

    coil.finResistance = finResistanceFor(ds.finMaterial);
    ds.effectiveFinResistance = rounded(coil.finResistance, 5);
    const double k = ds.finTypeCoolingCoil == "Louvre" ? 65 : 36;
    coil.airsideResistance = 1 / (std::pow(static_cast<double>(ds.faceVelocity_mps), 0.53) * k);
    ds.airsideResistance = rounded(coil.airsideResistance, 5);

    const double meanFluidTemp_C = ds.chilledWater
                                       ? (static_cast<double>(ds.outletWaterTemp_C) + ds.inletWaterTemp_C) / 2
                                       : ds.evaporatingTemp_C;
    ds.meanCoilFluidTemp_C = rounded(meanFluidTemp_C, 1);
    coil.slope = SaturationEnthalpySlope(meanFluidTemp_C, ds.barometricPressure_kPa);
    ds.lAtMeanFluidTemp = rounded(coil.slope, 1);

    if (ds.chilledWater) {
        const double waterRange_K =
            std::fabs(static_cast<double>(ds.inletWaterTemp_C) - ds.outletWaterTemp_C);
        if (waterRange_K == 0) {
            throw CalculationError("Cooling coil selection: the inlet and outlet water temperatures "
                                   "are equal, so no water flow can be worked out");
        }
        // 2.39e-7: m3 of water per J at a 1 K rise (water's heat capacity and density).
        coil.waterFlow_m3s = ds.CoolingDutyWatts * 2.39e-7 / waterRange_K;
        ds.fluidFlowRate_ls = rounded(coil.waterFlow_m3s * 1000, 2);
        ds.connectionSize = connectionSizeFor(coil.waterFlow_m3s);
        coil.letter = WaterCircuiting(coil.waterFlow_m3s, coil.tubesHigh, coil.tubeVelocity_mps);
        coil.insideCoefficient = 3380 * std::pow(coil.tubeVelocity_mps, 0.8);
    } else {
        ds.connectionSize.clear();
        coil.letter = RefrigerantCircuiting(ds.CoolingDutyWatts, coil.tubesHigh);
        coil.tubeVelocity_mps = 0;
        coil.insideCoefficient = 4000;
    }
    ds.tubeVelocity_mps = rounded(coil.tubeVelocity_mps, 2);
    ds.internalTubeHeatTransferCoefficient = rounded(coil.insideCoefficient, 1);

    chooseRowsAndFins(ds, coil);
    ds.coilRows = coil.rows;
    ds.coilFinsPerInch = coil.finsPerInch;

    if (ds.chilledWater) {
        fluidPressureDrop(ds, coil);
        ds.inletConnectionSize.clear();
        ds.outletConnectionSize.clear();
    } else {
        ds.outletConnectionSize = outletConnectionFor(ds.CoolingDutyWatts);
        ds.inletConnectionSize = inletConnectionFor(circuitsFor(coil.letter, coil.tubesHigh));
    }
    ds.coilCode = coilCode(ds, coil);
    airPressureDrops(ds, coil);
    requireFiniteResults(ds);
}

} // namespace vexa::CoolingCoilSelections
