#include "CostingFixture.h"

#include "costing/ComponentCosts.h"
#include "costing/CostRates.h"

using namespace vexa;
using namespace vexa::Costing;

namespace {

const ComponentCosts& components()
{
    return costingState().components;
}

} // namespace

TEST_F(CostingTest, RateTableHasTwentyFiveRatesAndOnlyTheChargeRateDependsOnTheApplication)
{
    setUnit({});
    LoadCostRates();
    const std::array<double, 26> uk = costingState().CostRateTable;
    EXPECT_EQ(uk[1], 2.7);
    EXPECT_EQ(uk[13], 76);
    EXPECT_EQ(uk[18], 156);
    EXPECT_EQ(uk[20], 5);
    EXPECT_EQ(uk[25], 1.2);

    designState().applicationType = "Dubai";
    costingState().CostRateTable.fill(-1);
    LoadCostRates();
    const std::array<double, 26>& dubai = costingState().CostRateTable;
    for (size_t i = 1; i <= 25; ++i) {
        EXPECT_EQ(dubai[i], i == 20 ? 1.5 : uk[i]) << "rate " << i;
    }
}

TEST_F(CostingTest, FinCostByMaterialAndFinsPerInch)
{
    // clang-format off
    const struct { const char* material; int32_t finsPerInch; const char* cost; } cases[] = {
        {"Aluminium", 8, "51.48"},  // 567.36 fins, 47.08 m2 of sheet, 19.07 kg
        {"Aluminium", 6, "64.35"},  // 0.25 mm fins at 6 per inch
        {"Blygold",   6, "64.35"},
        {"Copper",    6, "169.70"}, // copper keeps 0.15 mm fins, at 8900 kg/m3 and 3.6 per kg
        {"Copper",    8, "226.27"},
        {"Vinyl",     8, "64.83"},
        {"Steel",     8, "0.00"},   // a material without a rate costs nothing
    };
    // clang-format on
    for (const auto& c : cases) {
        Unit unit;
        unit.finMaterial = c.material;
        unit.finsPerInch = c.finsPerInch;
        setUnit(unit);
        LoadCostRates();
        FinCost(2);
        EXPECT_EQ(shown(components().fin), c.cost) << c.material << " " << c.finsPerInch;
    }
}

TEST_F(CostingTest, TubeCostAndAllowancesFollowTheBuild)
{
    // clang-format off
    const struct { bool heatPipeOnly; bool horseshoe; int32_t rows; const char* tube; const char* allowanceB; } cases[] = {
        {true,  true,  4, "123.49", "18.00"}, // horseshoe: 237.6 m of tube, 30.87 kg at 4 per kg
        {true,  false, 2, "123.49", "4.50"},  // straight: the same tube across both sections, half allowance B
        {false, false, 4, "111.15", "9.00"},  // cooling coil: 3.6 per kg
    };
    // clang-format on
    for (const auto& c : cases) {
        Unit unit;
        unit.heatPipeOnly = c.heatPipeOnly;
        setUnit(unit);
        costingState().horseshoeStyle = c.horseshoe;
        LoadCostRates();
        TubeCost(c.rows);
        TubeAllowanceA(c.rows);
        TubeAllowanceB(c.rows);
        EXPECT_EQ(shown(components().tube), c.tube) << c.rows;
        EXPECT_EQ(shown(components().tubeAllowanceA), shown(0.14 * 30 * c.rows)) << c.rows;
        EXPECT_EQ(shown(components().tubeAllowanceB), c.allowanceB) << c.rows;
    }
}

TEST_F(CostingTest, CoatingOnlyForBlygoldWithAMinimumCharge)
{
    // clang-format off
    const struct { const char* material; int32_t rows; int32_t tubesHigh; int32_t width_mm; bool horseshoe; const char* cost; } cases[] = {
        {"Blygold",   2, 30, 1800, true,  "337.41"}, // 2.0574 m2 x 82 x 2 sections
        {"Blygold",   2, 30, 1800, false, "168.71"},
        {"Blygold",   5, 30, 1800, true,  "48.00"},  // no rate for 5 rows: the minimum
        {"Blygold",   1, 10, 500,  false, "48.00"},  // 14.48 raised to the minimum
        {"Aluminium", 2, 30, 1800, true,  "0.00"},   // no coating, no minimum
    };
    // clang-format on
    for (const auto& c : cases) {
        Unit unit;
        unit.finMaterial = c.material;
        unit.rows = c.rows;
        unit.tubesHigh = c.tubesHigh;
        unit.width_mm = c.width_mm;
        setUnit(unit);
        costingState().horseshoeStyle = c.horseshoe;
        LoadCostRates();
        CoatingCost();
        EXPECT_EQ(shown(components().coating), c.cost) << c.material << " " << c.rows << " rows";
    }
}

TEST_F(CostingTest, FittingsDoubleFromTwentyTubesHigh)
{
    // clang-format off
    const struct { int32_t tubesHigh; int32_t rows; float cost; } cases[] = {
        {19, 2, 4}, {20, 2, 8}, {20, 3, 12},
    };
    // clang-format on
    for (const auto& c : cases) {
        Unit unit;
        unit.tubesHigh = c.tubesHigh;
        setUnit(unit);
        LoadCostRates();
        FittingAllowance(c.rows);
        EXPECT_FLOAT_EQ(components().fittingAllowance, c.cost) << c.tubesHigh;
    }
}

TEST_F(CostingTest, ChargeEliminatorsAndCoolingCoilAllowance)
{
    Unit unit;
    unit.coolingDutyWatts = 30000;
    setUnit(unit);
    LoadCostRates();
    ChargeCost();
    EXPECT_EQ(shown(components().charge), "33.75"); // 5 x 1.25 x 1800 x 30 x 2 x 0.00005
    CoolingCoilAllowance();
    EXPECT_FLOAT_EQ(components().coolingCoilAllowance, 30);

    EliminatorCost();
    EXPECT_EQ(components().eliminators, 0);
    costingState().eliminators = true;
    EliminatorCost();
    // 72 blades and 2 + 4 frame units over 1800 mm
    EXPECT_EQ(shown(components().eliminators), "160.58");

    unit.applicationType = "Dubai";
    setUnit(unit);
    LoadCostRates();
    ChargeCost();
    EXPECT_EQ(shown(components().charge), "10.13"); // 10.125 at 1.5 per kg
}
