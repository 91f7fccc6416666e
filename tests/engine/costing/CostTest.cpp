#include "CostingFixture.h"

#include "bindata/Bin.h"
#include "common/EngineError.h"

#include <cmath>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

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

} // namespace

TEST_F(CostingTest, ANewCostWritesTheDefaultsForEveryCostOfTheProcess)
{
    CostingState& cs = costingState();
    cost().setCasingMaterial(CasingMat::Stainless);
    cost().setDrainpanType(Drainpan::Sloping);
    cost().setOptEliminators(true);
    cost().setOptStainlessSteelDrainpan(true);
    cost().setExchangeRate(2);
    cost().setEnergyCost(0.1);
    cost().setAnnualRunningHours(100);
    cost().setMargin(40);
    cost().setOrienitation(OrientationType::Vertical);
    cost().Bin().setCity(Country::UAE_Dubai);
    cs.exWorksPriceSterling = 1234;

    Main second;
    second.Cost();
    EXPECT_EQ(cs.casingMaterial, "Galvanised sheet");
    EXPECT_EQ(cs.drainpanType, "No Drainpan");
    EXPECT_FALSE(cs.eliminators);
    EXPECT_FALSE(cs.stainlessSteelDrainpan);
    EXPECT_EQ(cs.exchangeRate, 1);
    EXPECT_EQ(cs.energyCost, 0.3);
    EXPECT_EQ(cs.annualRunningHours, 3000);
    EXPECT_EQ(binState().cityName, "United Kingdom - London");
    EXPECT_EQ(binState().savingCaption, "Cost Saving (£)");
    EXPECT_EQ(binState().tableIndex, 0);
    // Fields without a default keep what they hold.
    EXPECT_EQ(cs.margin_pct, 40);
    EXPECT_EQ(cs.orientation, "Vertical");
    EXPECT_EQ(cost().ExWorksPriceSterling(), 1234);
}

TEST_F(CostingTest, EnumerationLetsMapTheirValuesAndRefuseOthers)
{
    const CostingState& cs = costingState();
    // clang-format off
    const struct { std::function<void()> let; std::function<std::string()> stored; const char* expected; } maps[] = {
        {[&] { cost().setCasingMaterial(CasingMat::Stainless); },  [&] { return cs.casingMaterial; }, "Stainless sheet"},
        {[&] { cost().setCasingMaterial(CasingMat::Galvanised); }, [&] { return cs.casingMaterial; }, "Galvanised sheet"},
        {[&] { cost().setDrainpanType(Drainpan::Flat); },          [&] { return cs.drainpanType; },   "Flat Drainpan"},
        {[&] { cost().setDrainpanType(Drainpan::Sloping); },       [&] { return cs.drainpanType; },   "Sloping Drainpan"},
        {[&] { cost().setDrainpanType(Drainpan::Perforated); },    [&] { return cs.drainpanType; },   "Perforated Base"},
        {[&] { cost().setDrainpanType(Drainpan::None); },          [&] { return cs.drainpanType; },   "No Drainpan"},
        {[&] { cost().setOrienitation(OrientationType::Vertical); },   [&] { return cs.orientation; }, "Vertical"},
        {[&] { cost().setOrienitation(OrientationType::Horizontal); }, [&] { return cs.orientation; }, "Horizontal"},
    };
    // clang-format on
    for (const auto& m : maps) {
        m.let();
        EXPECT_EQ(m.stored(), m.expected);
    }

    // clang-format off
    const struct { HeatpipeStyling style; bool horseshoe; bool straight; } styles[] = {
        {HeatpipeStyling::Horseshoe_Heatpipe,   true,  false},
        {HeatpipeStyling::Straight_Heatpipe,    false, true},
        {HeatpipeStyling::Combination_Heatpipe, false, false},
    };
    // clang-format on
    for (const auto& s : styles) {
        cost().setHeatpipeStyle(s.style);
        EXPECT_EQ(cs.horseshoeStyle, s.horseshoe);
        EXPECT_EQ(cs.straightStyle, s.straight);
    }

    cost().setHeatpipeStyle(HeatpipeStyling::Straight_Heatpipe);
    // clang-format off
    const struct { std::function<void()> let; const char* message; } refused[] = {
        {[&] { cost().setCasingMaterial(static_cast<CasingMat>(2)); },         "Invalid Casing Material Selected"},
        {[&] { cost().setDrainpanType(static_cast<Drainpan>(4)); },            "Invalid Drainpan Type Selected"},
        {[&] { cost().setDrainpanType(static_cast<Drainpan>(-1)); },           "Invalid Drainpan Type Selected"},
        {[&] { cost().setHeatpipeStyle(static_cast<HeatpipeStyling>(3)); },    "Invalid Heatpipe Style Selected"},
        {[&] { cost().setOrienitation(static_cast<OrientationType>(2)); },     "Invalid Orientation Type Selected"},
    };
    // clang-format on
    for (const auto& r : refused) {
        EXPECT_EQ(refusal(r.let), r.message);
    }
    EXPECT_EQ(cs.casingMaterial, "Galvanised sheet");
    EXPECT_EQ(cs.drainpanType, "No Drainpan");
    EXPECT_FALSE(cs.horseshoeStyle);
    EXPECT_TRUE(cs.straightStyle);
    EXPECT_EQ(cs.orientation, "Horizontal");
}

TEST_F(CostingTest, NumericLetsAcceptTheirBoundsAndKeepTheValueOnRefusal)
{
    const CostingState& cs = costingState();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    const struct {
        const char* name;
        std::function<void(double)> let;
        const double& stored;
        std::vector<double> accepted;
        std::vector<double> refused;
        const char* message;
    } cases[] = {
        {"EnergyCost", [&](double v) { cost().setEnergyCost(v); }, cs.energyCost,
         {1000, 0.000001, 0.05}, {1000.5, 0.0000009, 0, -1, nan},
         "The Energy Cost must be between the values 0.000001 and 1000"},
        {"AnnualRunningHours", [&](double v) { cost().setAnnualRunningHours(v); }, cs.annualRunningHours,
         {8760, 100, 2500}, {99, 8760.5, 99.99, nan},
         "The Annual Running Hours must be between the values 100 and 8760"},
        {"ExchangeRate", [&](double v) { cost().setExchangeRate(v); }, cs.exchangeRate,
         {0.000001, 250000, 1.6}, {0, 0.0000009, -1.6, nan},
         "The Exchange Rate must be greater than 0.000001"},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (double value : c.accepted) {
            c.let(value);
            EXPECT_EQ(c.stored, value) << c.name;
        }
        const double kept = c.stored;
        for (double value : c.refused) {
            EXPECT_EQ(refusal([&] { c.let(value); }), c.message) << c.name << " " << value;
            EXPECT_EQ(c.stored, kept) << c.name;
        }
    }
}

TEST_F(CostingTest, UncheckedLetsStoreWhatTheyAreGiven)
{
    const CostingState& cs = costingState();
    cost().setMargin(150);
    cost().setAdditionalCost(-75.5);
    cost().setOptEliminators(true);
    cost().setOptStainlessSteelDrainpan(true);
    EXPECT_EQ(cs.margin_pct, 150);
    EXPECT_EQ(cs.additionalCost, -75.5);
    EXPECT_TRUE(cs.eliminators);
    EXPECT_TRUE(cs.stainlessSteelDrainpan);
}

TEST_F(CostingTest, EachMainHasOneCostAndEachCostOneBin)
{
    Cost& first = m_main.Cost();
    EXPECT_EQ(&m_main.Cost(), &first);
    EXPECT_EQ(&first.Bin(), &first.Bin());

    Main other;
    Cost* otherCost = &other.Cost();
    EXPECT_NE(otherCost, &first);
    EXPECT_NE(&otherCost->Bin(), &first.Bin());

    // Moving a Main moves its Cost with it.
    Main moved(std::move(other));
    EXPECT_EQ(&moved.Cost(), otherCost);
}

TEST_F(CostingTest, ResultGetsReturnTheRecordUnchanged)
{
    CostingState& cs = costingState();
    cs.exWorksPriceSterling = 3868;
    cs.exWorksPriceForeign = 5486;
    cs.approximateWeight_kg = 111;
    cs.sizes = "1323x2050x185";
    cs.annualPrecoolSaving = 1500;
    cs.annualReheatSaving = 4500;
    cs.annualCostSaving = 6000;
    cs.paybackPeriod_months = 24;
    EXPECT_EQ(cost().ExWorksPriceSterling(), 3868);
    EXPECT_EQ(cost().ExWorksPriceForeign(), 5486);
    EXPECT_EQ(cost().ApproxiamateWeight(), 111);
    EXPECT_EQ(cost().Sizes(), "1323x2050x185");
    EXPECT_EQ(cost().AnnualPrecoolSaving(), 1500);
    EXPECT_EQ(cost().AnnualReheatSaving(), 4500);
    EXPECT_EQ(cost().AnnualCostSaving(), 6000);
    EXPECT_EQ(cost().PaybackPeriod(), 24);
}
