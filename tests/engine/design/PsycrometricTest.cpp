#include "DesignFixture.h"

#include "common/EngineError.h"
#include "common/NumberText.h"
#include "design/Psycrometric.h"

#include <vector>

using namespace vexa;
using namespace vexa::Psycrometric;

namespace {

constexpr float kP = 101.325F;

TEST(Psycrometric, SaturationPressureUsesIceBelowZeroAndWaterFromZero)
{
    // clang-format off
    const struct { double t; const char* pws; } cases[] = {
        {0,   "611.21"},   // water formula at 0 degC itself
        {20,  "2338.80"},
        {-10, "259.90"},   // ice formula
        {27.5,"3673.39"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(num::format(SaturationPressure(c.t), "0.00"), c.pws) << c.t;
    }
    // Just below zero the ice formula gives a lower pressure than water would.
    EXPECT_LT(SaturationPressure(-0.001), 611.21);
}

TEST(Psycrometric, SaturationPressureAtAbsoluteZeroIsACalculationError)
{
    EXPECT_THROW(SaturationPressure(-273.15), CalculationError);
}

TEST(Psycrometric, EnhancementFactorGrowsLinearlyBelowZero)
{
    EXPECT_DOUBLE_EQ(EnhancementFactor(-10), 1.00456);
    EXPECT_DOUBLE_EQ(EnhancementFactor(5), 1.0039);
    EXPECT_DOUBLE_EQ(EnhancementFactor(0), 1.0039);
    EXPECT_NEAR(EnhancementFactor(-100), 1.0105, 1e-12);
}

TEST(Psycrometric, StateFromWetBulb)
{
    const float pwsStar = static_cast<float>(SaturationPressure(27.5));
    const float wsStar = static_cast<float>(SaturationHumidityRatio(pwsStar, kP, 33));
    const float w = static_cast<float>(HumidityRatioFromWetBulb(33, 27.5, wsStar));
    EXPECT_EQ(num::format(w, "0.000000"), "0.021147");
    EXPECT_EQ(num::format(Enthalpy(33, w), "0.00"), "87.35");

    const float pws = static_cast<float>(SaturationPressure(33));
    const float ws = static_cast<float>(SaturationHumidityRatio(pws, kP, 33));
    EXPECT_EQ(num::format(RelativeHumidity(w / ws, pws, kP), "0.0"), "65.9");
}

TEST(Psycrometric, WetBulbRelaxesOnTheHumidityRatio)
{
    const uint64_t before = saturationPressureEvaluations();
    const float wetBulb = WetBulb(kP, 33, 0.021147);
    const uint64_t passes = saturationPressureEvaluations() - before;
    EXPECT_NEAR(wetBulb, 27.55, 0.005);
    EXPECT_EQ(num::format(wetBulb, "0.0"), "27.6");
    EXPECT_GT(passes, 400U);
    EXPECT_LT(passes, 600U);
}

TEST(Psycrometric, WetBulbStopsAfterTenThousandPasses)
{
    // A negative humidity ratio never meets the tolerance.
    const uint64_t before = saturationPressureEvaluations();
    try {
        (void)WetBulb(kP, 20, -1);
    } catch (const CalculationError&) {
        // a run-away temperature is reported as a calculation error
    }
    EXPECT_LE(saturationPressureEvaluations() - before, 10000U);
}

TEST(Psycrometric, WetBulbsSideBySideGiveEachRelaxationsOwnResult)
{
    // Relaxations of very different lengths, more than run side by side at once.
    const std::vector<WetBulbQuery> queries = {
        {33, 0.021147}, {12.1, 0.0083}, {-15, 0.0005}, {27.1, 0.0211}, {55, 0.12}, {18.6, 0.0095}, {5, 0.001},
    };
    std::vector<float> together(queries.size());
    WetBulbs(kP, queries, together);
    for (size_t i = 0; i < queries.size(); ++i) {
        EXPECT_EQ(together[i], WetBulb(kP, queries[i].t, queries[i].humidityRatio)) << queries[i].t;
    }
}

TEST(Psycrometric, WetBulbOfDryAirIsACalculationError)
{
    EXPECT_THROW((void)WetBulb(kP, 20, 0), CalculationError);
}

TEST(Psycrometric, DryBulbAt95)
{
    EXPECT_EQ(num::format(DryBulbAt95(50), "0.0000"), "17.6886");
}

} // namespace
