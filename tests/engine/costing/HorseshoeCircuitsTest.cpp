#include "CostingFixture.h"

#include "costing/CostRates.h"
#include "costing/HorseshoeCircuits.h"

using namespace vexa;
using namespace vexa::Costing;

namespace {
constexpr CircuitArrangement A = CircuitArrangement::A;
constexpr CircuitArrangement B = CircuitArrangement::B;
constexpr CircuitArrangement C = CircuitArrangement::C;
} // namespace

TEST(HorseshoeCircuits, ArrangementByTubesLengthAndDiameter)
{
    // clang-format off
    const struct { int32_t tubesHigh; int32_t length_mm; const char* diameter; CircuitArrangement expected; } cases[] = {
        {15, 1000, "3/8", A}, // under 16 tubes, whatever the length
        {16, 2001, "3/8", A}, // longer than the 3/8 limit
        {16, 2000, "3/8", B}, // 16 / 4 = 4
        {17, 2000, "3/8", B}, // (17 - 1) / 4 = 4
        {18, 2000, "3/8", C}, // 4.5
        {19, 2000, "3/8", C}, // 4.5
        {16, 2200, "1/2", B},
        {16, 2201, "1/2", A},
        {16, 3000, "5/8", B},
        {16, 3001, "5/8", A},
        {16, 2000, "12",  B}, // any other text: the 2000 mm limit
        {16, 2001, "12",  A},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(circuitArrangement(c.tubesHigh, c.length_mm, c.diameter), c.expected)
            << c.tubesHigh << " tubes, " << c.length_mm << " mm, " << c.diameter;
    }
}

TEST(HorseshoeCircuits, BendsAndItemsForEvenAndOddTubes)
{
    // clang-format off
    const struct { CircuitArrangement arrangement; int32_t tubesHigh; int32_t rows; int32_t bends; int32_t items; } cases[] = {
        {A, 20, 2, 36, 18}, // R (N - 2); (N/2 - 1) R
        {A, 15, 3, 36, 18}, // R (N - 3); (N/2 - 1.5) R
        {B, 16, 2, 20, 10}, // (N/2 + 2) R; (N/4 + 1) R
        {B, 17, 2, 20, 10}, // (N/2 + 1.5) R; (N/4 + 0.75) R
        {C, 18, 2, 24, 12}, // (N/2 + 3) R; (N/4 + 1.5) R
        {C, 19, 3, 36, 18}, // (N/2 + 2.5) R; (N/4 + 1.25) R
    };
    // clang-format on
    for (const auto& c : cases) {
        const CircuitCounts counts = circuitCounts(c.arrangement, c.tubesHigh, c.rows);
        EXPECT_EQ(counts.bends, c.bends) << c.tubesHigh;
        EXPECT_EQ(counts.items, c.items) << c.tubesHigh;
    }
}

TEST(HorseshoeCircuits, CircuitChargesGoToTheNearestHalf)
{
    // clang-format off
    const struct { double charge; double expected; } cases[] = {
        {15.2, 15}, {15.24, 15}, {15.25, 15.5}, {15.74, 15.5}, {15.75, 16}, {15.8, 16}, {15.0, 15},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(toNearestHalf(c.charge), c.expected) << c.charge;
    }
}

TEST(HorseshoeCircuits, TotalChargeOfEachArrangement)
{
    // clang-format off
    const struct { CircuitArrangement arrangement; int32_t tubesHigh; int32_t length_mm; const char* diameter; double kg; } cases[] = {
        // K1 16.6 -> 16.5, K2 14.2 -> 14, K3 25.6 -> 25.5: (2 x 25.5 + 14 + 33) x 0.0284
        {B, 16, 2000, "3/8", 98 * 0.0284},
        // K1 20, K2 17, no K3: (7 x 17 + 40) x 0.0284
        {A, 20, 2500, "3/8", 159 * 0.0284},
        // K1 21.15 -> 21, K2 18, K3 33.15 -> 33: (2 x 33 + 36 + 42) x 0.0284
        {C, 19, 1500, "1/2", 144 * 0.0284},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_NEAR(totalCharge_kg(c.arrangement, c.tubesHigh, c.length_mm, c.diameter), c.kg, 1e-12)
            << c.tubesHigh;
    }
}

TEST_F(CostingTest, HorseshoeCircuitItemsPriceChargeBendsAndItems)
{
    Unit unit;
    unit.tubesHigh = 16;
    unit.width_mm = 2000;
    unit.tubeDiameter = "3/8";
    setUnit(unit);
    Costing::LoadCostRates();
    HorseshoeCircuitItems();
    const ComponentCosts& c = costingState().components;
    EXPECT_EQ(shown(c.horseshoeCharge), "27.83"); // 5 per kg x 2.7832 kg x 2 rows
    EXPECT_EQ(shown(c.bends), "8.00");            // 20 bends at 0.4
    EXPECT_EQ(shown(c.items), "1.00");            // 10 items at 0.1

    designState().tubeDiameter = "1/2";
    HorseshoeCircuitItems();
    EXPECT_EQ(shown(c.bends), "12.00"); // 0.6 per bend
    designState().tubeDiameter = "5/8";
    HorseshoeCircuitItems();
    EXPECT_EQ(shown(c.bends), "20.00"); // 1 per bend
}
