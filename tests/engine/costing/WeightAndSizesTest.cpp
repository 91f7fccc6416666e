#include "CostingFixture.h"

#include "costing/BuildSizesText.h"
#include "costing/CalculateWeight.h"

using namespace vexa;
using namespace vexa::Costing;

TEST_F(CostingTest, SizesTextOfEachBuild)
{
    // clang-format off
    const struct {
        const char* name; bool heatPipeOnly; bool horseshoe; int32_t tubesHigh; int32_t width_mm; int32_t rows;
        int32_t coilRows; const char* orientation; bool eliminators; const char* sizes;
    } cases[] = {
        // 32 x 38.0999985 + 104 = 1323.19995
        {"straight, horizontal",      true,  false, 30, 900,  2, 0, "Horizontal", false, "1323x2050x185"},
        {"straight, no orientation",  true,  false, 30, 900,  2, 0, "",           false, "1323x2050x185"},
        // 30 x 38.0999985 + 104 = 1246.99995: the single-precision pitch gives 1246
        {"straight, vertical",        true,  false, 30, 900,  2, 0, "Vertical",   false, "2050x1246x185"},
        {"straight, eliminators",     true,  false, 30, 900,  2, 0, "Horizontal", true,  "1323x2050x365"},
        {"horseshoe, 2 rows",         true,  true,  30, 1800, 2, 0, "",           false, "1196x1980x510"},
        {"horseshoe, 3 rows",         true,  true,  30, 1800, 3, 0, "",           true,  "1196x1980x580"},
        {"horseshoe, 4 rows",         true,  true,  30, 1800, 4, 0, "",           false, "1196x1980x510"},
        {"cooling coil 4 rows, hp 2", false, true,  30, 1800, 2, 4, "Vertical",   true,  "1196x2050x430"},
    };
    // clang-format on
    for (const auto& c : cases) {
        Unit unit;
        unit.heatPipeOnly = c.heatPipeOnly;
        unit.tubesHigh = c.tubesHigh;
        unit.width_mm = c.width_mm;
        unit.rows = c.rows;
        unit.coilRows = c.coilRows;
        setUnit(unit);
        costingState().horseshoeStyle = c.horseshoe;
        costingState().orientation = c.orientation;
        costingState().eliminators = c.eliminators;
        BuildSizesText();
        EXPECT_EQ(cost().Sizes(), c.sizes) << c.name;
    }
}

TEST_F(CostingTest, ApproximateWeightOfEachBuild)
{
    // clang-format off
    const struct {
        const char* name; const char* material; int32_t finsPerInch; bool straight; bool heatPipeOnly;
        bool eliminators; double weight_kg;
    } cases[] = {
        {"horseshoe",                 "Aluminium", 8, false, true,  false, 108},  // 108.30
        {"with eliminators",          "Aluminium", 8, false, true,  true,  122},  // 121.83 = 12.5 % more
        {"straight: lighter allowances", "Aluminium", 8, true, true, false, 97},  // 97.15
        {"thicker fins at 6 per inch", "Aluminium", 6, false, true, false, 117},  // 116.91
        {"copper fins",               "Copper",    8, false, true,  false, 187},  // 187.39
        {"with a 4-row coil",         "Aluminium", 8, false, false, false, 287},  // 108.30 + 178.31
    };
    // clang-format on
    for (const auto& c : cases) {
        Unit unit;
        unit.finMaterial = c.material;
        unit.finsPerInch = c.finsPerInch;
        unit.heatPipeOnly = c.heatPipeOnly;
        unit.coilRows = 4;
        unit.coilFinsPerInch = 10;
        setUnit(unit);
        costingState().straightStyle = c.straight;
        costingState().eliminators = c.eliminators;
        CalculateWeight();
        EXPECT_EQ(cost().ApproxiamateWeight(), c.weight_kg) << c.name;
    }
    setUnit({});
    EXPECT_NEAR(HeatpipeWeight(), 108.295272, 1e-9);
    Unit coil;
    coil.coilRows = 4;
    coil.coilFinsPerInch = 10;
    setUnit(coil);
    EXPECT_NEAR(CoolingCoilWeight(), 178.311603456, 1e-9);
}
