#include "costing/CalculatePrice.h"

#include "common/EngineError.h"
#include "common/NumberText.h"
#include "costing/CalculateSavings.h"
#include "costing/ComponentCosts.h"
#include "costing/CostRates.h"
#include "costing/CostingState.h"
#include "costing/HorseshoeCircuits.h"
#include "costing/SheetMetal.h"
#include "design/DesignState.h"

#include <algorithm>

namespace vexa::Costing {

namespace {

constexpr double kMinimumLabour = 40;
constexpr double kCostFactor = 1.2;          // overheads on every prime cost
constexpr double kCoolingCoilDivisor = 0.65; // the cooling coil's fixed factor, in place of the margin

// A straight or combination heat pipe alone is cased as two rows deep: 185 mm,
// the depth its size text and its drawing give it. The cooling coil rows of the
// record belong to whatever coil was designed last and must not price this unit.
constexpr int32_t kStraightCasingRows = 2;

// Puts the heat-pipe-only flag back when the horseshoe pass ends, also when it throws.
class HeatpipeOnlyRestorer {
public:
    explicit HeatpipeOnlyRestorer(bool& flag) : m_flag(flag), m_saved(flag) {}
    ~HeatpipeOnlyRestorer() { m_flag = m_saved; }
    HeatpipeOnlyRestorer(const HeatpipeOnlyRestorer&) = delete;
    HeatpipeOnlyRestorer& operator=(const HeatpipeOnlyRestorer&) = delete;

private:
    bool& m_flag;
    bool m_saved;
};

// A straight or combination heat pipe alone: one pass over its own rows.
void priceStraightHeatpipe()
{
    const int32_t rows = designState().heatpipeRows;
    CostingState& cs = costingState();
    const ComponentCosts& c = cs.components;
    FinCost(rows);
    TubeCost(rows);
    TubeAllowanceA(rows);
    TubeAllowanceB(rows);
    FixedAmount();
    ChargeCost();
    FittingAllowance(rows);
    CoatingCost();
    EliminatorCost();
    cs.heatpipeMaterials =
        static_cast<float>(static_cast<double>(c.fin) + c.tube + c.tubeAllowanceA + c.tubeAllowanceB +
                           c.fixedAmount + c.charge + c.fittingAllowance + c.coating + c.eliminators);
    cs.heatpipeLabour = heatpipeLabour(cs.heatpipeMaterials, c.coating);
    CalculateSheetMetal(kStraightCasingRows);
    cs.heatpipeShare = static_cast<double>(cs.heatpipeMaterials) + cs.heatpipeLabour + cs.casing.straight;
}

// The cooling coil pass: its own rows, and the casing of the whole unit.
void priceCoolingCoil()
{
    const int32_t rows = designState().coilRows;
    CostingState& cs = costingState();
    const ComponentCosts& c = cs.components;
    FinCost(rows);
    CoolingCoilAllowance();
    TubeCost(rows);
    TubeAllowanceA(rows);
    TubeAllowanceB(rows);
    cs.coolingCoilMaterials = static_cast<float>(static_cast<double>(c.fin) + c.coolingCoilAllowance +
                                                 c.tube + c.tubeAllowanceA + c.tubeAllowanceB);
    CalculateSheetMetal(rows);
    cs.coolingCoilLabour = coolingCoilLabour(cs.coolingCoilMaterials);
}

// The horseshoe pass: both sections (twice the rows) of fin and tube, the
// circuits, the coating and the horseshoe casing. For "Dubai" the fin, tube,
// tube allowance A and coating are bought in locally and left out.
void priceHorseshoeHeatpipe()
{
    DesignState& ds = designState();
    CostingState& cs = costingState();
    const ComponentCosts& c = cs.components;
    const HeatpipeOnlyRestorer restorer(ds.heatPipeOnly);
    ds.heatPipeOnly = true;
    cs.horseshoeStyle = true; // with a cooling coil the heat pipe is always a horseshoe

    const int32_t bothSections = 2 * ds.heatpipeRows;
    FinCost(bothSections);
    TubeCost(bothSections);
    TubeAllowanceA(bothSections);
    TubeAllowanceB(bothSections);
    FixedAmount();
    HorseshoeCircuitItems();
    CoatingCost();
    const double common =
        static_cast<double>(c.tubeAllowanceB) + c.fixedAmount + c.horseshoeCharge + c.items + c.bends;
    const double materials =
        ds.applicationType == "Dubai" ? common : common + c.fin + c.tube + c.tubeAllowanceA + c.coating;
    cs.heatpipeMaterials = static_cast<float>(materials);
    // The coating comes off the labour base for "Dubai" too, as it always has.
    cs.heatpipeLabour = heatpipeLabour(cs.heatpipeMaterials, c.coating);
    CalculateSheetMetal(bothSections);
    cs.heatpipeShare = static_cast<double>(cs.heatpipeMaterials) + cs.heatpipeLabour + cs.casing.horseshoe;
}

} // namespace

float heatpipeLabour(float materials, float coating)
{
    const double labour =
        0.4 * (static_cast<double>(materials) - coating) + 0.1 * static_cast<double>(coating);
    return static_cast<float>(std::max(labour, kMinimumLabour));
}

float coolingCoilLabour(float materials)
{
    return static_cast<float>(std::max(0.3 * static_cast<double>(materials), kMinimumLabour));
}

double marginFactor(int16_t margin_pct)
{
    if (margin_pct <= 0 || margin_pct >= 100) {
        throw CalculationError("Price calculation: the margin must lie between 0.1 and 99.9 %");
    }
    return 1 / (1 - margin_pct / 100.0);
}

void CalculatePrice()
{
    const double M = marginFactor(costingState().margin_pct);
    LoadCostRates();
    const DesignState& ds = designState();
    CostingState& cs = costingState();
    if (ds.heatPipeOnly && !cs.horseshoeStyle) {
        priceStraightHeatpipe();
    } else {
        const bool withCoolingCoil = !ds.heatPipeOnly;
        if (withCoolingCoil) {
            priceCoolingCoil();
        }
        priceHorseshoeHeatpipe();
        if (withCoolingCoil) {
            cs.coolingCoilShare = static_cast<double>(cs.coolingCoilMaterials) + cs.coolingCoilLabour +
                                  cs.casing.wholeUnit - cs.casing.horseshoe;
        }
    }
    PriceFromShares(M);
}

void PriceFromShares(double M)
{
    const DesignState& ds = designState();
    CostingState& cs = costingState();
    if (cs.additionalCost != 0) {
        cs.heatpipeShare = cs.heatpipeShare + cs.additionalCost;
    }
    cs.heatpipeShare = cs.heatpipeShare * kCostFactor;

    double price = 0;
    if (ds.heatPipeOnly) {
        price = cs.heatpipeShare * M;
    } else {
        cs.coolingCoilShare = cs.coolingCoilShare * kCostFactor;
        price = cs.coolingCoilShare / kCoolingCoilDivisor + cs.heatpipeShare * M;
    }

    const int32_t sterlingBase = num::toInt32(num::roundHalfAway(price, 0));
    cs.exWorksPriceForeign = num::toInt32(num::roundHalfAway(sterlingBase * cs.exchangeRate, 0));

    // The payback of a heat pipe alone is on its foreign price; with a cooling coil
    // only the heat pipe's share counts, the coil is bought anyway.
    const double paybackBase =
        ds.heatPipeOnly ? cs.exWorksPriceForeign : cs.heatpipeShare * M * cs.exchangeRate;
    CalculateSavings(paybackBase);

    const double surcharged =
        static_cast<double>(sterlingBase) + num::floorToInt32(sterlingBase * 6.0 / 100) + 50;
    const double finSurcharge_pct = ds.finMaterial == "Copper" ? 10 : 5;
    cs.exWorksPriceSterling =
        num::toInt32(surcharged + num::floorToInt32(surcharged * finSurcharge_pct / 100));
}

} // namespace vexa::Costing
