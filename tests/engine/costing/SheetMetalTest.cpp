#include "CostingFixture.h"

#include "costing/CostRates.h"
#include "costing/SheetMetal.h"

using namespace vexa;
using namespace vexa::Costing;

namespace {

enum class Build { Horseshoe, Straight, CoolingCoil };

void setBuild(Build build)
{
    designState().heatPipeOnly = build != Build::CoolingCoil;
    costingState().horseshoeStyle = build != Build::Straight;
}

} // namespace

TEST_F(CostingTest, CasingDepthByBuildRowsAndEliminators)
{
    // clang-format off
    const struct { Build build; int32_t rows; int32_t rowCount; bool eliminators; int32_t n; float depth_mm; } cases[] = {
        {Build::Horseshoe,   2, 4, false, 2,  150},
        {Build::Horseshoe,   3, 6, false, 3,  185},
        {Build::Horseshoe,   2, 4, true,  2,  330},
        {Build::Horseshoe,   3, 6, true,  3,  365},
        {Build::CoolingCoil, 2, 4, false, 10, 465}, // 2 + 2 x 2 + 4 rows
        {Build::Straight,    2, 2, false, 2,  185},
        {Build::Straight,    2, 2, true,  2,  365},
    };
    // clang-format on
    for (const auto& c : cases) {
        Unit unit;
        unit.rows = c.rows;
        setUnit(unit);
        setBuild(c.build);
        costingState().eliminators = c.eliminators;
        LoadCostRates();
        CalculateSheetMetal(c.rowCount);
        EXPECT_EQ(costingState().casing.rowCount, c.n);
        EXPECT_EQ(costingState().casing.depth_mm, c.depth_mm) << c.rows << " rows";
    }
}

TEST_F(CostingTest, SupportPlatesAtTheirThresholds)
{
    // clang-format off
    const struct { Build build; int32_t width_mm; int32_t tubesHigh; int32_t supports; } cases[] = {
        {Build::Horseshoe,   1500, 23, 0},
        {Build::Horseshoe,   1500, 24, 1}, // tall
        {Build::Horseshoe,   1501, 10, 1}, // wide
        {Build::Horseshoe,   3000, 10, 1},
        {Build::Horseshoe,   3001, 10, 2},
        {Build::CoolingCoil, 1500, 24, 1},
        {Build::CoolingCoil, 3001, 30, 2},
        {Build::Straight,    1500, 40, 0}, // the height does not count
        {Build::Straight,    1501, 10, 3},
    };
    // clang-format on
    for (const auto& c : cases) {
        Unit unit;
        unit.width_mm = c.width_mm;
        unit.tubesHigh = c.tubesHigh;
        setUnit(unit);
        setBuild(c.build);
        LoadCostRates();
        CalculateSheetMetal(2);
        EXPECT_EQ(costingState().casing.supportCount, c.supports) << c.width_mm << " mm, " << c.tubesHigh;
    }
}

TEST_F(CostingTest, CoolingCoilCasingPanelsAndDrainPans)
{
    // 30 tubes, 1800 mm, 2 heat pipe and 4 coil rows: n = 10, 465 mm deep.
    setUnit({});
    setBuild(Build::CoolingCoil);
    LoadCostRates();
    const CasingCosts& casing = costingState().casing;
    CalculateSheetMetal(4);
    EXPECT_EQ(shown(casing.sidePanel), "48.47");
    EXPECT_EQ(shown(casing.topPanel), "35.21");
    EXPECT_EQ(shown(casing.supportPlate), "23.26");
    EXPECT_EQ(shown(casing.tubePlate), "16.33");
    EXPECT_EQ(casing.supportCount, 1);
    EXPECT_EQ(shown(casing.wholeUnit), "223.28"); // no drain pan: two top panels
    const double noPan = casing.wholeUnit;

    // Flat pan: 17.80 of sheet and 46.02 of labour, in place of the second top panel.
    costingState().drainpanType = "Flat Drainpan";
    CalculateSheetMetal(4);
    EXPECT_EQ(shown(casing.drainPan), "63.82");
    EXPECT_EQ(shown(casing.wholeUnit), "251.89");
    EXPECT_DOUBLE_EQ(casing.wholeUnit - noPan, casing.drainPan - casing.topPanel);
    const double flat = casing.drainPan;

    costingState().drainpanType = "Sloping Drainpan"; // 2.5 times the labour
    CalculateSheetMetal(4);
    EXPECT_NEAR(casing.drainPan - flat, 1.5 * 46.01664, 1e-9);

    costingState().drainpanType = "Flat Drainpan";
    costingState().stainlessSteelDrainpan = true; // 60.02 per m2 on a galvanised casing
    CalculateSheetMetal(4);
    EXPECT_EQ(shown(casing.drainPan), "112.08");

    costingState().stainlessSteelDrainpan = false;
    costingState().drainpanType = "Perforated Base";
    CalculateSheetMetal(4);
    EXPECT_EQ(shown(casing.drainPan), "40.41");
}

TEST_F(CostingTest, EachBuildWritesOnlyItsOwnCasingTotal)
{
    setUnit({});
    LoadCostRates();
    CasingCosts& casing = costingState().casing;
    casing.wholeUnit = casing.horseshoe = casing.straight = -1;
    setBuild(Build::Horseshoe);
    CalculateSheetMetal(4);
    EXPECT_GT(casing.horseshoe, 0);
    EXPECT_EQ(casing.wholeUnit, -1);
    EXPECT_EQ(casing.straight, -1);
    // A stainless casing costs 73.2 per m2 of sheet instead of 16.17.
    const double galvanised = casing.horseshoe;
    costingState().casingMaterial = "Stainless sheet";
    CalculateSheetMetal(4);
    EXPECT_FLOAT_EQ(casing.sheetRate_perm2, 73.2F);
    EXPECT_GT(casing.horseshoe, galvanised);
}
