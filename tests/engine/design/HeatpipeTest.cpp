#include "DesignFixture.h"

#include "common/EngineError.h"
#include "common/NumberText.h"
#include "design/FaceGeometry.h"
#include "design/HeatpipeSelection.h"
#include "design/Psycrometric.h"

#include <array>

using namespace vexa;

namespace {

TEST_F(DesignTest, FaceGeometryFitsWholeTubes)
{
    // clang-format off
    const struct {
        int32_t height; const char* tube; float pitch; int32_t tubes; float faceHeight;
        float area; float velocity;
    } cases[] = {
        {1200, "12",  38.1F,  31, 1185, 2.13F, 2.34F},
        {1185, "12",  38.1F,  31, 1185, 2.13F, 2.34F}, // the default height keeps its tubes
        {1200, "5/8", 38.1F,  31, 1185, 2.13F, 2.34F},
        {1200, "3/8", 25.4F,  47, 1197, 2.15F, 2.32F},
        {1200, "1/2", 31.75F, 37, 1178, 2.12F, 2.36F},
        // 30 x 38.0999985 + 4 = 1146.99995: the single-precision pitch loses a millimetre
        {1150, "12",  38.1F,  30, 1146, 2.06F, 2.42F},
    };
    // clang-format on
    for (const auto& c : cases) {
        Main main;
        main.setFinned_Height(c.height);
        main.setFinned_Width(1800);
        main.setAirFlowRate(5);
        main.setTubeDiameter(c.tube);
        CalculateFaceGeometry();
        const DesignState& ds = designState();
        EXPECT_EQ(ds.TubePitch, c.pitch) << c.tube;
        EXPECT_EQ(main.TubesHigh(), c.tubes) << c.height << " " << c.tube;
        EXPECT_EQ(main.ActualFaceHeight(), c.faceHeight) << c.height << " " << c.tube;
        EXPECT_EQ(main.ActualFaceArea(), c.area) << c.height << " " << c.tube;
        EXPECT_EQ(main.ActualFaceVelocity(), c.velocity) << c.height << " " << c.tube;
        EXPECT_EQ(ds.finnedLength_mm, 1800);
    }
}

TEST_F(DesignTest, EffectivenessAndPressureDropOfRowsAndFins)
{
    // clang-format off
    const struct {
        const char* fin; int32_t finsPerInch; int32_t rows; const char* effectiveness; float drop_Pa;
    } cases[] = {
        {"Louvre", 8,  4, "0.3906", 169},
        {"Louvre", 6,  2, "0.2245", 58},   // 6 fins per inch have the lower resistance
        {"Ripple", 12, 3, "0.3386", 80},
        {"Louvre", 12, 3, "0.4189", 215},
    };
    // clang-format on
    for (const auto& c : cases) {
        DesignState& ds = designState();
        ds.faceVelocity_mps = 2.34F;
        ds.finTypeHeatpipe = c.fin;
        ds.heatpipeFinsPerInch = c.finsPerInch;
        ds.heatpipeRows = c.rows;
        EXPECT_EQ(num::format(HeatpipeSelection::HeatpipeEffectiveness(), "0.0000"), c.effectiveness)
            << c.fin << " " << c.finsPerInch << " x " << c.rows;
        HeatpipeSelection::HeatpipePressureDrop();
        EXPECT_EQ(ds.heatpipePressureDrop_Pa, c.drop_Pa) << c.fin << " " << c.finsPerInch << " x " << c.rows;
    }
}

// The search as a plain loop, the reference for the bisection.
float steppedOffCoilDryBulb(float w4, float pressure_kPa)
{
    float t = 2.00F;
    float d = 0;
    while (d <= w4 / 0.95) {
        t = static_cast<float>(t + 0.01);
        const double pws = Psycrometric::SaturationPressure(t);
        d = static_cast<float>(0.62198 * pws / (1000.0 * pressure_kPa - pws));
    }
    return t;
}

TEST(OffCoilSearch, StopsWhereTheHundredthDegreeSteppingStops)
{
    for (float w4 = 0.0001F; w4 < 0.2F; w4 = static_cast<float>(w4 * 1.07)) {
        EXPECT_EQ(HeatpipeSelection::offCoilDryBulb(w4, 101.325F), steppedOffCoilDryBulb(w4, 101.325F)) << w4;
    }
}

TEST(OffCoilSearch, LowestResultIsTheFirstStep)
{
    const float first = HeatpipeSelection::offCoilDryBulb(1e-7F, 101.325F);
    EXPECT_EQ(first, static_cast<float>(2.00F + 0.01));
    EXPECT_EQ(num::format(first, "0.0"), "2.0");
}

TEST(OffCoilSearch, TemperaturesAccumulateInSinglePrecision)
{
    // Five steps from 2.00 give 2.0499999 in single precision, which shows as 2.0.
    float t = 2.00F;
    for (int i = 0; i < 5; ++i) {
        t = static_cast<float>(t + 0.01);
    }
    EXPECT_LT(t, 2.05);
    EXPECT_EQ(num::format(t, "0.0"), "2.0");
}

TEST(OffCoilSearch, NoTemperatureUpToBoilingIsACalculationError)
{
    EXPECT_THROW(HeatpipeSelection::offCoilDryBulb(1e30F, 101.325F), CalculationError);
}

TEST_F(DesignTest, SelectionTriesFewestRowsThenLowestFins)
{
    DesignState& ds = designState();
    ds.faceVelocity_mps = 2.34F;
    ds.finTypeHeatpipe = "Louvre";
    const float required = 0.39F;
    HeatpipeSelection::selectRowsAndFins(required);
    EXPECT_EQ(ds.heatpipeRows, 3);
    EXPECT_EQ(ds.heatpipeFinsPerInch, 12);
    EXPECT_EQ(num::format(HeatpipeSelection::HeatpipeEffectiveness(), "0.0000"), "0.4189");

    // Every combination before it in the order falls short; some later ones (4 rows
    // at 8 fins per inch gives 0.3906) would also have done.
    for (int32_t rows = 1; rows <= 3; ++rows) {
        for (int32_t fins : {6, 8, 10, 12}) {
            if (rows == 3 && fins == 12) {
                break;
            }
            ds.heatpipeRows = rows;
            ds.heatpipeFinsPerInch = fins;
            EXPECT_LE(HeatpipeSelection::HeatpipeEffectiveness(), required) << rows << " x " << fins;
        }
    }
}

TEST_F(DesignTest, SelectionNeedsStrictlyMoreThanTheRequirement)
{
    DesignState& ds = designState();
    ds.faceVelocity_mps = 2.34F;
    ds.finTypeHeatpipe = "Louvre";
    ds.heatpipeRows = 1;
    ds.heatpipeFinsPerInch = 6;
    const float oneRowAtSix = HeatpipeSelection::HeatpipeEffectiveness();
    HeatpipeSelection::selectRowsAndFins(oneRowAtSix);
    EXPECT_EQ(ds.heatpipeFinsPerInch, 8); // equal is not enough
    EXPECT_EQ(ds.heatpipeRows, 1);
}

TEST_F(DesignTest, SelectionThatNoHeatPipeMeetsEndsAtFourRows)
{
    Main main;
    setSelectionExample(main);
    main.setDryBulb_4(34); // warmer than the air on: a requirement above 1
    main.setWetBulb_4(14);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.NoOfRowsHeatpipe(), 4);
    EXPECT_EQ(main.FPI_Heatpipe(), 6);
}

TEST_F(DesignTest, SelectionExampleHeatPipe)
{
    Main main;
    setSelectionExample(main);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.DryBulb_3(), 12.1F);
    EXPECT_EQ(main.Effectivness(), 28);
    EXPECT_EQ(main.NoOfRowsHeatpipe(), 2);
    EXPECT_EQ(main.FPI_Heatpipe(), 10);
    EXPECT_EQ(main.PressureDrop(), 113);
}

TEST_F(DesignTest, RatingKeepsTheGivenRowsAndFins)
{
    Main main;
    setRatingExample(main);
    main.InitiateMainCalculations();
    EXPECT_EQ(main.NoOfRowsHeatpipe(), 2);
    EXPECT_EQ(main.FPI_Heatpipe(), 8);
    EXPECT_EQ(main.PressureDrop(), 85);
    EXPECT_EQ(main.DryBulb_3(), 14); // the entered value is never rewritten
}

} // namespace
