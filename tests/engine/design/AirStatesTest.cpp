#include "DesignFixture.h"

#include "common/EngineError.h"
#include "common/NumberText.h"
#include "design/Psycrometric.h"

#include <cmath>
#include <functional>

using namespace vexa;

namespace {

struct Expected {
    const char* name;
    std::function<double(const Main&)> read;
    double value;
};

void expectAll(const Main& main, const std::vector<Expected>& expected)
{
    for (const Expected& e : expected) {
        // Stored values are rounded floats: compare as the float of the figure.
        EXPECT_EQ(static_cast<float>(e.read(main)), static_cast<float>(e.value)) << e.name;
    }
}

TEST_F(DesignTest, SelectionExampleAirStates)
{
    Main main;
    setSelectionExample(main);
    main.InitiateMainCalculations();
    // clang-format off
    expectAll(main, {
        {"RH1", &Main::RelativeHumidity_1, 66},    {"W1", &Main::HumidityRatio_1, 0.0211},
        {"h1",  &Main::Enthaply_1,         87.35}, {"WB1", &Main::WetBulb_1,      27.5},
        {"DB2", &Main::DryBulb_2,          27.1},  {"RH2", &Main::RelativeHumidity_2, 92},
        {"h2",  &Main::Enthaply_2,         81.19}, {"WB2", &Main::WetBulb_2,      26.2},
        {"W2",  &Main::HumidityRatio_2,    0.0211},
        {"DB3", &Main::DryBulb_3,          12.1},  {"W3",  &Main::HumidityRatio_3, 0.0083},
        {"h3",  &Main::Enthaply_3,         33.22}, {"WB3", &Main::WetBulb_3,      11.7},
        {"RH3", &Main::RelativeHumidity_3, 95},
        {"DB4", &Main::DryBulb_4,          18},    {"WB4", &Main::WetBulb_4,      14},
        {"RH4", &Main::RelativeHumidity_4, 65},    {"h4",  &Main::Enthaply_4,     39.3},
        {"W4",  &Main::HumidityRatio_4,    0.0084},
        {"precool", &Main::PreCoolSaving,  37.0},  {"reheat", &Main::ReHeatSaving, 37.0},
        {"duty",    &Main::Duty,           287.8},
    });
    // clang-format on
    EXPECT_EQ(num::format(designState().CoolingDutyWatts, "0"), "287785");
}

TEST_F(DesignTest, RatingExampleAirStates)
{
    Main main;
    setRatingExample(main);
    main.InitiateMainCalculations();
    // clang-format off
    expectAll(main, {
        {"effectiveness", &Main::Effectivness, 24.3},
        {"DB4", &Main::DryBulb_4,          18.6},  {"RH4", &Main::RelativeHumidity_4, 71},
        {"WB4", &Main::WetBulb_4,          15.3},  {"DB2", &Main::DryBulb_2,      28.4},
        {"RH2", &Main::RelativeHumidity_2, 86},    {"precool", &Main::PreCoolSaving, 28.9},
        {"reheat", &Main::ReHeatSaving,    28.9},  {"duty", &Main::Duty,          267.2},
        {"W4 is W3", &Main::HumidityRatio_4, 0.0095}, {"W3", &Main::HumidityRatio_3, 0.0095},
    });
    // clang-format on
}

TEST_F(DesignTest, RelativeHumidityInputAgreesWithWetBulbInput)
{
    Main main;
    setSelectionExample(main);
    main.setOptWetBulb(WBorRH::Relative_Humidity);
    main.setRelativeHumidity_1(65.9F);
    main.setRelativeHumidity_4(65);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.WetBulb_1(), 27.5F);
    EXPECT_EQ(main.RelativeHumidity_1(), 65.9F); // kept as entered
    EXPECT_EQ(main.RelativeHumidity_4(), 65.0F);
    EXPECT_NEAR(main.WetBulb_4(), 14, 0.15); // RH4 65 is the rounded 65.4
    EXPECT_EQ(main.DryBulb_3(), 12.1F);
    EXPECT_EQ(main.HumidityRatio_1(), 0.0211F);
}

TEST_F(DesignTest, PrecoolingPastSaturationCondensesOnTheNinetyFiveLine)
{
    Main main;
    setRatingExample(main);
    main.setDryBulb_1(25);
    main.setWetBulb_1(24);
    main.setDryBulb_3(10);
    main.setNoOfRowsHeatpipe(3);
    main.setFPI_Heatpipe(12);
    main.InitiateMainCalculations();

    const DesignState& ds = designState();
    EXPECT_EQ(main.RelativeHumidity_2(), 95);
    // h2 = h1 - (h4 - h3); the dry bulb is then the 95 % line's at h2.
    const double h2 = ds.air[2].enthalpy;
    EXPECT_NEAR(h2, ds.air[1].enthalpy - (ds.air[4].enthalpy - ds.air[3].enthalpy), 0.02);
    EXPECT_NEAR(main.DryBulb_2(), Psycrometric::DryBulbAt95(h2), 0.06);
    EXPECT_LT(main.HumidityRatio_2(), main.HumidityRatio_1());
}

TEST_F(DesignTest, ReheatSavingAlwaysEqualsPrecoolSaving)
{
    for (float offCoil : {8.0F, 11.5F, 14.0F, 17.3F}) {
        Main main;
        setRatingExample(main);
        main.setDryBulb_3(offCoil);
        main.InitiateMainCalculations();
        EXPECT_EQ(main.ReHeatSaving(), main.PreCoolSaving()) << offCoil;
        EXPECT_EQ(main.DryBulb_3(), offCoil);
    }
}

TEST_F(DesignTest, DryAirIsACalculationErrorNotANumber)
{
    Main main;
    setRatingExample(main);
    main.setDryBulb_1(30);
    main.setWetBulb_1(10.6F); // roughly dry air at 30 degC
    try {
        main.InitiateMainCalculations();
        EXPECT_TRUE(std::isfinite(main.WetBulb_2()));
    } catch (const CalculationError& e) {
        EXPECT_FALSE(e.description().empty());
    }
}

} // namespace
