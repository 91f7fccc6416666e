#include "DesignFixture.h"

#include "common/EngineError.h"
#include "common/NumberText.h"
#include "design/CoolingCoilSelections.h"

using namespace vexa;
using namespace vexa::CoolingCoilSelections;

namespace {

TEST_F(DesignTest, ChilledWaterExample)
{
    Main main;
    setSelectionExample(main);
    main.setHeatpipeType(Heatpipe::Chilled_Water);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.Log_Mean_Enthalpy_Diff(), 28.2);
    EXPECT_EQ(main.FluidFlowRate(), 11.46);
    EXPECT_EQ(main.ConnectionSize(), "2 x 3 inch");
    EXPECT_EQ(main.TubeVelocity(), 1.78);
    EXPECT_EQ(main.NoOfRowsCoolingCoil(), 6);
    EXPECT_EQ(main.FPI_CoolingCoil(), 12);
    EXPECT_EQ(main.CoilCode(), "12WD 12. 6- 31Tx 1800");
    EXPECT_EQ(main.AirPressureDrop(), 310);
    EXPECT_EQ(main.TotalPressureDrop(), 423);
    EXPECT_EQ(main.FluidPressureDrop(), 32.6F);
    EXPECT_EQ(main.Mean_Coil_Fluid_Temp(), 9);
    EXPECT_EQ(main.Effective_Fin_Resistance(), 0.0077);
    EXPECT_EQ(main.InletConnectionSize(), "");
    EXPECT_EQ(main.OutletConnectionSize(), "");
}

TEST_F(DesignTest, RefrigerantExampleKeepsTheWaterResultsOfTheRunBefore)
{
    Main main;
    setSelectionExample(main);
    main.setHeatpipeType(Heatpipe::Chilled_Water);
    main.InitiateMainCalculations();
    main.setHeatpipeType(Heatpipe::Refrigerant);
    main.setEvaporatingTemperature(7);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.CoilCode(), "12DEQ 8. 8- 31Tx 1800");
    EXPECT_EQ(main.NoOfRowsCoolingCoil(), 8);
    EXPECT_EQ(main.FPI_CoolingCoil(), 8);
    EXPECT_EQ(main.OutletConnectionSize(), "2 3/8 inch");
    EXPECT_EQ(main.InletConnectionSize(), "1 1/8 inch");
    EXPECT_EQ(main.ConnectionSize(), "");
    EXPECT_EQ(main.TubeVelocity(), 0);
    EXPECT_EQ(main.Internal_Tube_Heat_Transfer_Coefficient(), 4000);
    EXPECT_EQ(main.FluidFlowRate(), 11.46);     // left by the chilled water run
    EXPECT_EQ(main.FluidPressureDrop(), 32.6F); // left by the chilled water run
}

TEST_F(DesignTest, CoilTubesUseTheFixedPitchWhateverTheHeatPipeTubes)
{
    Main main;
    setSelectionExample(main);
    main.setTubeDiameter("3/8"); // face height 1197 mm: 31 coil tubes at 38.1 mm
    main.setHeatpipeType(Heatpipe::Chilled_Water);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.TubesHigh(), 47);
    EXPECT_NE(main.CoilCode().find("- 31Tx 1800"), std::string::npos) << main.CoilCode();
}

TEST(Circuiting, WaterTakesTheFirstLetterBelowOneAndAHalfMetresPerSecond)
{
    // clang-format off
    const struct { double flow_m3s; const char* letter; const char* velocity; } cases[] = {
        {0.0020,    "H", "1.24"},
        {0.0030,    "P", "1.40"},   // H would be 1.86 m/s
        {0.0045,    "F", "1.40"},
        {0.0070,    "Q", "1.45"},
        {0.0096,    "D", "1.49"},
        {0.0114630, "D", "1.78"},   // none is below 1.5: "D" with its velocity
    };
    // clang-format on
    for (const auto& c : cases) {
        double velocity = 0;
        EXPECT_EQ(WaterCircuiting(c.flow_m3s, 31, velocity), c.letter) << c.flow_m3s;
        EXPECT_EQ(vexa::num::format(velocity, "0.00"), c.velocity) << c.flow_m3s;
    }
}

TEST(Circuiting, CircuitCountsOfTheLetters)
{
    EXPECT_EQ(circuitsFor("H", 31), 15.5);
    EXPECT_DOUBLE_EQ(circuitsFor("P", 31), 62.0 / 3);
    EXPECT_EQ(circuitsFor("F", 31), 31);
    EXPECT_EQ(circuitsFor("Q", 31), 46.5);
    EXPECT_EQ(circuitsFor("D", 31), 62);
}

TEST(Circuiting, RefrigerantLoadPerCircuitAtMostEightKilowatts)
{
    // clang-format off
    const struct { double duty_W; const char* letter; } cases[] = {
        {124000,  "H"},  // exactly 8000 W on each of 15.5 circuits
        {124001,  "P"},
        {287785,  "Q"},  // only 46.5 circuits bring the load below 8000 W
        {496000,  "D"},
        {1000000, "D"},  // none is enough
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(RefrigerantCircuiting(c.duty_W, 31), c.letter) << c.duty_W;
    }
}

TEST_F(DesignTest, TooMuchDutyGivesTenRowsAtTwelveFins)
{
    Main main;
    setRatingExample(main);
    main.setFinned_Height(400);
    main.setFinned_Width(400);
    main.setAirFlowRate(2);
    main.setDryBulb_1(45);
    main.setWetBulb_1(35);
    main.setDryBulb_3(10);
    main.setHeatpipeType(Heatpipe::Chilled_Water);
    main.setInletWaterTemp(5);
    main.setOutletWaterTemp(6);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.NoOfRowsCoolingCoil(), 10);
    EXPECT_EQ(main.FPI_CoolingCoil(), 12);
}

TEST_F(DesignTest, RowCountsAreNeverFiveOrSevenNorBelowThree)
{
    for (float offCoil = 8; offCoil < 20; offCoil += 0.25F) {
        for (float flow : {1.0F, 3.0F, 5.0F, 8.0F}) {
            Main main;
            setRatingExample(main);
            main.setDryBulb_3(offCoil);
            main.setAirFlowRate(flow);
            main.setHeatpipeType(Heatpipe::Refrigerant);
            main.setEvaporatingTemperature(2);
            main.InitiateMainCalculations();
            const int32_t rows = main.NoOfRowsCoolingCoil();
            EXPECT_TRUE(rows == 3 || rows == 4 || rows == 6 || rows >= 8) << rows;
            EXPECT_LE(rows, 10);
        }
    }
}

TEST_F(DesignTest, CoilThatCannotReachTheOffCoilStateIsACalculationError)
{
    // clang-format off
    const struct { float offCoil; float inlet; float outlet; } cases[] = {
        {14, 20, 25},   // both differences negative: would otherwise pass the logarithm
        {14, 14, 16},   // air off the coil no warmer than saturated air at the inlet water
    };
    // clang-format on
    for (const auto& c : cases) {
        vexa::resetEngineState();
        Main main;
        setRatingExample(main);
        main.setDryBulb_3(c.offCoil);
        main.setHeatpipeType(Heatpipe::Chilled_Water);
        main.setInletWaterTemp(c.inlet);
        main.setOutletWaterTemp(c.outlet);
        try {
            main.InitiateMainCalculations();
            ADD_FAILURE() << "no error for " << c.inlet << "/" << c.outlet;
        } catch (const CalculationError& e) {
            EXPECT_EQ(e.number(), 0);
            EXPECT_NE(e.description().find("Cooling coil selection"), std::string::npos);
        }
    }
}

TEST_F(DesignTest, EqualWaterTemperaturesAreACalculationError)
{
    Main main;
    setRatingExample(main);
    main.setDryBulb_3(16);
    main.setHeatpipeType(Heatpipe::Chilled_Water);
    main.setInletWaterTemp(5);
    main.setOutletWaterTemp(5);
    EXPECT_THROW(main.InitiateMainCalculations(), CalculationError);
}

TEST_F(DesignTest, SaturationEnthalpySlopeAtNineDegrees)
{
    EXPECT_NEAR(SaturationEnthalpySlope(9, 101.325), 2250.3, 0.05);
}

} // namespace
