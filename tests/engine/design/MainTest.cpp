#include "DesignFixture.h"

#include "common/EngineError.h"

#include <cmath>
#include <functional>
#include <string>

using namespace vexa;

namespace {

std::string refusal(const std::function<void()>& let)
{
    try {
        let();
    } catch (const EngineError& e) {
        EXPECT_EQ(e.number(), 13);
        return e.description();
    }
    return "";
}

struct BoundCase {
    const char* name;
    std::function<void(Main&, double)> let;
    std::function<double()> stored;
    double lowest;
    double highest;
    double below;
    double above;
    const char* message;
};

TEST_F(DesignTest, NumericLetsAcceptBothBoundsAndRefuseBeyond)
{
    const DesignState& ds = designState();
    // clang-format off
    const BoundCase cases[] = {
        {"Finned_Height", [](Main& m, double v) { m.setFinned_Height(static_cast<int32_t>(v)); },
         [&] { return ds.finnedHeight_mm; }, 100, 4000, 99, 4001,
         "The Height must be between the values 100 and 4000"},
        {"Finned_Width", [](Main& m, double v) { m.setFinned_Width(static_cast<int32_t>(v)); },
         [&] { return ds.finnedWidth_mm; }, 100, 3000, 99, 3001,
         "The Width must be between the values 100 and 3000"},
        {"AirFlowRate", [](Main& m, double v) { m.setAirFlowRate(static_cast<float>(v)); },
         [&] { return ds.airFlowRate_m3s; }, 0.1, 25, 0.09, 25.01,
         "The air flow rate must be between the values 0.1 and 25"},
        {"DryBulb_1", [](Main& m, double v) { m.setDryBulb_1(static_cast<float>(v)); },
         [&] { return ds.air[1].dryBulb; }, -21, 60, -21.1, 60.1,
         "The Dry Bulb_1 must be between the values -21 and 60"},
        {"DryBulb_3", [](Main& m, double v) { m.setDryBulb_3(static_cast<float>(v)); },
         [&] { return ds.air[3].dryBulb; }, -21, 60, -21.1, 60.1,
         "The Dry Bulb_3 must be between the values -21 and 60"},
        {"DryBulb_4", [](Main& m, double v) { m.setDryBulb_4(static_cast<float>(v)); },
         [&] { return ds.air[4].dryBulb; }, -21, 60, -21.1, 60.1,
         "The Dry Bulb_4 must be between the values -21 and 60"},
        {"WetBulb_1", [](Main& m, double v) { m.setWetBulb_1(static_cast<float>(v)); },
         [&] { return ds.air[1].wetBulb; }, -21, 60, -21.1, 60.1,
         "The Wet Bulb_1 must be between the values -21 and 60"},
        {"WetBulb_4", [](Main& m, double v) { m.setWetBulb_4(static_cast<float>(v)); },
         [&] { return ds.air[4].wetBulb; }, -21, 60, -21.1, 60.1,
         "The Wet Bulb_4 must be between the values -21 and 60"},
        {"RelativeHumidity_1", [](Main& m, double v) { m.setRelativeHumidity_1(static_cast<float>(v)); },
         [&] { return ds.air[1].relativeHumidity; }, 21, 100, 20.9, 100.1,
         "The Relative Humidity_1 must be between the values 21 and 100"},
        {"RelativeHumidity_4", [](Main& m, double v) { m.setRelativeHumidity_4(static_cast<float>(v)); },
         [&] { return ds.air[4].relativeHumidity; }, 21, 100, 20.9, 100.1,
         "The Relative Humidity_4 must be between the values 21 and 100"},
        {"InletWaterTemp", [](Main& m, double v) { m.setInletWaterTemp(static_cast<float>(v)); },
         [&] { return ds.inletWaterTemp_C; }, 1, 30, 0.9, 30.5,
         "The Inlet Water Temp must be between the values 1 and 30"},
        {"OutletWaterTemp", [](Main& m, double v) { m.setOutletWaterTemp(static_cast<float>(v)); },
         [&] { return ds.outletWaterTemp_C; }, 1, 30, 0.9, 30.1,
         "The Outlet Water Temp must be between the values 1 and 30"},
        {"EvaporatingTemperature", [](Main& m, double v) { m.setEvaporatingTemperature(static_cast<float>(v)); },
         [&] { return ds.evaporatingTemp_C; }, 0, 15, -0.1, 15.1,
         "The Evaporating Temperature must be between the values 0 and 15"},
    };
    // clang-format on
    for (const BoundCase& c : cases) {
        Main main;
        c.let(main, c.lowest);
        EXPECT_FLOAT_EQ(c.stored(), c.lowest) << c.name;
        c.let(main, c.highest);
        EXPECT_FLOAT_EQ(c.stored(), c.highest) << c.name;
        EXPECT_EQ(refusal([&] { c.let(main, c.below); }), c.message) << c.name;
        EXPECT_EQ(refusal([&] { c.let(main, c.above); }), c.message) << c.name;
        EXPECT_FLOAT_EQ(c.stored(), c.highest) << c.name << ": a refused value leaves the stored one";
    }
}

TEST_F(DesignTest, NotANumberIsRefused)
{
    Main main;
    EXPECT_EQ(refusal([&] { main.setDryBulb_1(std::nanf("")); }),
              "The Dry Bulb_1 must be between the values -21 and 60");
    EXPECT_EQ(designState().air[1].dryBulb, 33);
}

TEST_F(DesignTest, EnumerationLetsRefuseValuesOutsideTheirList)
{
    Main main;
    // clang-format off
    const struct { const char* name; std::function<void()> let; const char* message; } cases[] = {
        {"OptMode",             [&] { main.setOptMode(static_cast<SELECTorRATE>(2)); },        "Invalid Selection"},
        {"OptWetBulb",          [&] { main.setOptWetBulb(static_cast<WBorRH>(-1)); },          "Invalid Selection"},
        {"HeatpipeType",        [&] { main.setHeatpipeType(static_cast<Heatpipe>(3)); },       "Invalid Heat Pipe Type Selected"},
        {"FinType_Heatpipe",    [&] { main.setFinType_Heatpipe(static_cast<FinType>(2)); },    "Invalid Fin Type Selected"},
        {"FinType_CoolingCoil", [&] { main.setFinType_CoolingCoil(static_cast<FinType>(9)); }, "Invalid Fin Type Selected"},
        {"FinMaterial",         [&] { main.setFinMaterial(static_cast<FinMat>(4)); },          "Invalid Fin Material Selected"},
        {"VexaApplicationType", [&] { main.setVexaApplicationType(static_cast<VexaType>(2)); },"Invalid Application Type Selected"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(refusal(c.let), c.message) << c.name;
    }
    const DesignState& ds = designState();
    EXPECT_FALSE(ds.selectionMode);
    EXPECT_TRUE(ds.wetBulbInput);
    EXPECT_TRUE(ds.heatPipeOnly);
    EXPECT_EQ(ds.finTypeHeatpipe, "Louvre");
    EXPECT_EQ(ds.finMaterial, "Aluminium");
}

TEST_F(DesignTest, EnumerationLetsMapOntoTheRecord)
{
    Main main;
    const DesignState& ds = designState();
    main.setHeatpipeType(Heatpipe::Refrigerant);
    EXPECT_TRUE(ds.refrigerant);
    EXPECT_FALSE(ds.chilledWater);
    EXPECT_FALSE(ds.heatPipeOnly);
    main.setOptWetBulb(WBorRH::Relative_Humidity);
    EXPECT_TRUE(ds.relativeHumidityInput);
    EXPECT_FALSE(ds.wetBulbInput);
    main.setFinMaterial(FinMat::Blygold);
    EXPECT_EQ(ds.finMaterial, "Blygold");
    main.setFinType_CoolingCoil(FinType::Ripple);
    EXPECT_EQ(ds.finTypeCoolingCoil, "Ripple");
    EXPECT_EQ(ds.finTypeHeatpipe, "Louvre");
}

TEST_F(DesignTest, ApplicationTypeReadsBackFromItsText)
{
    Main main;
    EXPECT_EQ(main.VexaApplicationType(), VexaType::UK); // a fresh engine holds no text
    main.setVexaApplicationType(VexaType::Sharjah);
    EXPECT_EQ(designState().applicationType, "Dubai");
    EXPECT_EQ(main.VexaApplicationType(), VexaType::Sharjah);
}

TEST_F(DesignTest, TwoSectionFlagIsSetAboveNineteenTenAndNeverCleared)
{
    Main main;
    main.setFinned_Height(1910);
    EXPECT_FALSE(designState().TwoSectionFlag);
    main.setFinned_Height(1911);
    EXPECT_TRUE(designState().TwoSectionFlag);
    main.setFinned_Height(1200);
    EXPECT_TRUE(designState().TwoSectionFlag);
    EXPECT_THROW(main.setFinned_Height(4001), EngineError);
}

TEST_F(DesignTest, ConstructionWritesTheDefaults)
{
    Main main;
    const DesignState& ds = designState();
    EXPECT_EQ(ds.barometricPressure_kPa, 101.325F);
    EXPECT_EQ(ds.air[1].dryBulb, 33);
    EXPECT_EQ(ds.air[1].wetBulb, 27.5F);
    EXPECT_EQ(ds.air[1].relativeHumidity, 50);
    EXPECT_EQ(ds.air[4].dryBulb, 18);
    EXPECT_EQ(ds.air[4].wetBulb, 14);
    EXPECT_EQ(ds.air[4].relativeHumidity, 60);
    EXPECT_EQ(ds.finnedHeight_mm, 1185);
    EXPECT_EQ(ds.finnedWidth_mm, 1800);
    EXPECT_EQ(ds.airFlowRate_m3s, 5);
    EXPECT_EQ(ds.inletWaterTemp_C, 6);
    EXPECT_EQ(ds.outletWaterTemp_C, 12);
    EXPECT_EQ(ds.evaporatingTemp_C, 7);
    EXPECT_TRUE(ds.heatPipeOnly);
    EXPECT_TRUE(ds.wetBulbInput);
    EXPECT_EQ(ds.finTypeCoolingCoil, "Louvre");
    EXPECT_FALSE(ds.selectionMode); // never initialised: rating until OptMode is set
}

TEST_F(DesignTest, ASecondMainResetsTheSharedRecordForTheFirst)
{
    Main first;
    first.setDryBulb_1(40);
    first.setHeatpipeType(Heatpipe::Chilled_Water);
    first.setNoOfRowsHeatpipe(3);
    Main second;
    EXPECT_EQ(designState().air[1].dryBulb, 33);
    EXPECT_TRUE(designState().heatPipeOnly);
    EXPECT_EQ(first.NoOfRowsHeatpipe(), 3); // not a default: kept
    second.setFPI_Heatpipe(12);
    EXPECT_EQ(first.FPI_Heatpipe(), 12);
}

TEST_F(DesignTest, AnEngineNeverSetToSelectionRates)
{
    Main main;
    main.setFinned_Height(1200);
    main.setTubeDiameter("12");
    main.setDryBulb_3(14);
    main.setNoOfRowsHeatpipe(2);
    main.setFPI_Heatpipe(8);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.Effectivness(), 24.3F);
    EXPECT_EQ(main.DryBulb_4(), 18.6F);
}

TEST_F(DesignTest, HeatPipeOnlyLeavesTheCoilResultsOfTheRunBefore)
{
    Main main;
    setSelectionExample(main);
    main.setHeatpipeType(Heatpipe::Chilled_Water);
    main.InitiateMainCalculations();
    main.setHeatpipeType(Heatpipe::Heat_Pipe_Only);
    main.setDryBulb_4(19);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.NoOfRowsCoolingCoil(), 6);
    EXPECT_EQ(main.CoilCode(), "12WD 12. 6- 31Tx 1800");
}

TEST_F(DesignTest, TextLetsStoreWhateverTheyAreGiven)
{
    Main main;
    main.setInletConnectionSize("  odd text ");
    main.setOutletConnectionSize("");
    main.setNoOfRowsHeatpipe(-7);
    EXPECT_EQ(main.InletConnectionSize(), "  odd text ");
    EXPECT_EQ(main.OutletConnectionSize(), "");
    EXPECT_EQ(main.NoOfRowsHeatpipe(), -7);
}

} // namespace
