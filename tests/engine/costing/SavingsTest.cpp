#include "CostingFixture.h"

#include "costing/CalculateSavings.h"

using namespace vexa;

TEST_F(CostingTest, DesignPointSavingsAndPayback)
{
    // clang-format off
    const struct {
        double precool_kW; double energyCost; double hours; double priceBase;
        double precool; double reheat; double total; double payback;
    } cases[] = {
        {50,   0.03, 3000, 12000, 1500, 4500,  6000,  24},
        {28.9, 0.3,  3000, 1309,  8670, 26010, 34680, 0},  // the defaults: 300 Q and 900 Q
        {1.3,  1,    1,    10,    0,    1,     2,     69}, // the total rounds from 1.733, not 0 + 1
        {0,    0.3,  3000, 5000,  0,    0,     0,     0},  // nothing saved: no payback
    };
    // clang-format on
    for (const auto& c : cases) {
        designState().preCoolSaving_kW = c.precool_kW;
        costingState().energyCost = c.energyCost;
        costingState().annualRunningHours = c.hours;
        Costing::CalculateSavings(c.priceBase);
        EXPECT_EQ(cost().AnnualPrecoolSaving(), c.precool) << c.precool_kW;
        EXPECT_EQ(cost().AnnualReheatSaving(), c.reheat) << c.precool_kW;
        EXPECT_EQ(cost().AnnualCostSaving(), c.total) << c.precool_kW;
        EXPECT_EQ(cost().PaybackPeriod(), c.payback) << c.precool_kW;
    }
}
