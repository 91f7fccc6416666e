#include "EngineState.h"
#include "bindata/Bin.h"
#include "bindata/BinState.h"
#include "bindata/CalculateBinSavings.h"
#include "common/EngineError.h"
#include "costing/Cost.h"
#include "design/DesignState.h"
#include "design/Main.h"

#include <gtest/gtest.h>

#include <array>

using namespace vexa;

namespace {

// The rating example (1200 x 1800 mm, 5 m3/s, 2 rows at 8 fins per inch, DB3 14)
// priced as a horseshoe at 35 %: sterling price 1508, effectiveness 0.2427.
class BinTest : public ::testing::Test {
protected:
    BinTest()
    {
        m_main.setOptMode(SELECTorRATE::Rating_Mode);
        m_main.setFinned_Height(1200);
        m_main.setFinned_Width(1800);
        m_main.setTubeDiameter("12");
        m_main.setVexaApplicationType(VexaType::UK);
        m_main.setDryBulb_1(33);
        m_main.setWetBulb_1(27.5F);
        m_main.setDryBulb_3(14);
        m_main.setNoOfRowsHeatpipe(2);
        m_main.setFPI_Heatpipe(8);
        m_main.InitiateMainCalculations();
        cost().setHeatpipeStyle(HeatpipeStyling::Horseshoe_Heatpipe);
        cost().setMargin(35);
        cost().InitiateCostingCalculations();
    }

    Cost& cost() { return m_main.Cost(); }
    Bin& bin() { return cost().Bin(); }

private:
    struct FreshEngine {
        FreshEngine() { resetEngineState(); }
    };
    FreshEngine m_fresh;

protected:
    Main m_main;
};

// Restores an empty presenter when a test ends.
struct PresenterGuard {
    ~PresenterGuard() { setBinWindowsPresenter({}); }
};

} // namespace

TEST(BinSavings, EnergyOfOneBin)
{
    // clang-format off
    const struct { float effectiveness; float offCoil; float airFlow; float dryBulb; float hours; double kWh; } cases[] = {
        {0.5F, 12, 10, 32, 100, 16000}, // t2 = 22, 120 kW precool, 4 x 240 x 100 / 6
        {0.5F, 30, 10, 30, 100, 0},     // no warmer than the off-coil air
        {0.5F, 30, 10, 28, 100, 0},
        {0.5F, 12, 10, 32, 0,   0},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(BinData::binEnergySaving_kWh(c.effectiveness, c.offCoil, c.airFlow, c.dryBulb, c.hours),
                  c.kWh)
            << c.dryBulb;
    }
}

TEST_F(BinTest, SavingsFromTheWeatherBinsOfACity)
{
    // clang-format off
    const struct {
        Country city; std::array<double, 10> kWh; std::array<double, 10> money;
        double precool; double reheat; double total; double payback;
    } cases[] = {
        {Country::Qatar_Doha,
         {0, 28, 3652, 19357, 38730, 51775, 47789, 20914, 6221, 342},
         {0, 8, 1096, 5807, 11619, 15533, 14337, 6274, 1866, 103}, 14161, 42482, 56643, 0},
        {Country::United_Kingdom_London, // only the bins above DB3 14 save
         {0, 0, 0, 0, 0, 0, 6861, 8305, 3028, 381},
         {0, 0, 0, 0, 0, 0, 2058, 2492, 908, 114}, 1393, 4179, 5572, 3},
        {Country::Kuwait_Kuwait_City,
         {0, 0, 0, 13167, 25607, 41999, 42991, 51639, 39063, 1973},
         {0, 0, 0, 3950, 7682, 12600, 12897, 15492, 11719, 592}, 16233, 48699, 64932, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        bin().setCity(c.city);
        bin().UseBinData();
        const BinState& bins = binState();
        double totalEnergy = 0;
        for (size_t i = 1; i <= 10; ++i) {
            EXPECT_EQ(bins.energySaving_kWh[i], c.kWh[i - 1]) << "bin " << i;
            EXPECT_EQ(bins.moneySaving[i], c.money[i - 1]) << "bin " << i;
            totalEnergy += c.kWh[i - 1];
        }
        EXPECT_EQ(bins.totalEnergySaving_kWh, totalEnergy);
        EXPECT_EQ(bins.totalMoneySaving, c.total);
        EXPECT_EQ(bin().BinAnnualPreCoolSaving(), c.precool);
        EXPECT_EQ(bin().BinAnnualReHeatSaving(), c.reheat);
        EXPECT_EQ(bin().BinAnnualCostSaving(), c.total);
        EXPECT_EQ(bin().BinPaybackPeriod(), c.payback);
        EXPECT_EQ(cost().PaybackPeriod(), c.payback); // the bin payback replaces the design-point one
    }
}

TEST_F(BinTest, BahrainUsesDohasTableWithItsOwnCaption)
{
    bin().setCity(Country::Qatar_Doha);
    bin().UseBinData();
    const std::array<double, 11> doha = binState().moneySaving;
    bin().setCity(Country::Bahrain_Manama);
    bin().UseBinData();
    EXPECT_EQ(binState().moneySaving, doha);
    EXPECT_EQ(binState().savingCaption, "Cost Saving (BHD)");
}

TEST_F(BinTest, NothingWarmerThanTheOffCoilAirSavesNothing)
{
    designState().air[3].dryBulb = 30; // London's warmest bin is 28
    bin().setCity(Country::United_Kingdom_London);
    cost().setEnergyCost(0.000001); // a design-point payback of many months
    cost().InitiateCostingCalculations();
    ASSERT_GT(cost().PaybackPeriod(), 0);
    bin().UseBinData();
    EXPECT_EQ(binState().totalEnergySaving_kWh, 0);
    EXPECT_EQ(bin().BinAnnualCostSaving(), 0);
    EXPECT_EQ(bin().BinAnnualPreCoolSaving(), 0);
    EXPECT_EQ(bin().BinPaybackPeriod(), 0);
    EXPECT_EQ(cost().PaybackPeriod(), 0);
}

TEST_F(BinTest, ResultsAreZeroUntilUsedAndTheTableIsLondonUnlessChosen)
{
    EXPECT_EQ(bin().BinAnnualPreCoolSaving(), 0);
    EXPECT_EQ(bin().BinAnnualReHeatSaving(), 0);
    EXPECT_EQ(bin().BinAnnualCostSaving(), 0);
    EXPECT_EQ(bin().BinPaybackPeriod(), 0);
    bin().UseBinData();
    EXPECT_EQ(binState().dryBulb_C[1], -8); // table 0 without a City
    EXPECT_EQ(bin().BinAnnualCostSaving(), 5572);
}

TEST_F(BinTest, TheDesignAirOnDryBulbIsLeftAsItWas)
{
    bin().setCity(Country::Qatar_Doha);
    bin().UseBinData();
    EXPECT_EQ(designState().air[1].dryBulb, 33);
}

TEST_F(BinTest, BinWindowsAreShownOnlyWhenAPresenterIsSet)
{
    PresenterGuard guard;
    bin().UseBinData(); // headless: nothing to show
    int shown = 0;
    double totalSeen = -1;
    setBinWindowsPresenter([&] {
        ++shown;
        totalSeen = binState().totalMoneySaving;
    });
    bin().setCity(Country::Qatar_Doha);
    bin().UseBinData();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(totalSeen, 56643); // shown after the calculation
}

TEST(BinSavingsWithoutADesign, IsACalculationError)
{
    resetEngineState();
    Main main;
    try {
        main.Cost().Bin().UseBinData();
        ADD_FAILURE() << "no error";
    } catch (const CalculationError& e) {
        EXPECT_EQ(e.description(),
                  "Bin savings: the design gives no heat pipe effectiveness; calculate the design first");
    }
}
