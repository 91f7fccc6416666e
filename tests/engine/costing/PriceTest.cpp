#include "CostingFixture.h"

#include "common/EngineError.h"
#include "costing/CalculatePrice.h"
#include "costing/CostRates.h"

#include <algorithm>
#include <utility>

using namespace vexa;

namespace {

// A design and its costing options, run through Main and Cost as a client does.
struct Job {
    SELECTorRATE mode;
    int32_t height_mm;
    int32_t width_mm;
    const char* tubeDiameter;
    Heatpipe heatpipeType;
    VexaType application;
    FinMat finMaterial;
    int32_t rows; // rating mode
    int32_t finsPerInch;
    HeatpipeStyling style;
    CasingMat casing;
    Drainpan drainpan;
    bool stainlessDrainpan;
    bool eliminators;
    OrientationType orientation;
    int16_t margin;
    double additionalCost;
    double exchangeRate;
    double energyCost;
    double runningHours;
};

struct Priced {
    const char* sizes;
    int32_t sterling;
    double weight;
    int32_t foreign;
    double precool;
    double reheat;
    double payback;
    double saving;
};

void design(Main& main, const Job& job)
{
    main.setOptMode(job.mode);
    main.setFinned_Height(job.height_mm);
    main.setFinned_Width(job.width_mm);
    main.setTubeDiameter(job.tubeDiameter);
    main.setHeatpipeType(job.heatpipeType);
    main.setVexaApplicationType(job.application);
    main.setFinMaterial(job.finMaterial);
    main.setDryBulb_1(33);
    main.setWetBulb_1(27.5F);
    main.setDryBulb_4(18);
    main.setWetBulb_4(14);
    main.setDryBulb_3(14);
    if (job.mode == SELECTorRATE::Rating_Mode) {
        main.setNoOfRowsHeatpipe(job.rows);
        main.setFPI_Heatpipe(job.finsPerInch);
    }
    main.InitiateMainCalculations();
}

void price(Cost& cost, const Job& job)
{
    cost.setHeatpipeStyle(job.style);
    cost.setCasingMaterial(job.casing);
    cost.setDrainpanType(job.drainpan);
    cost.setOptStainlessSteelDrainpan(job.stainlessDrainpan);
    cost.setOptEliminators(job.eliminators);
    cost.setOrienitation(job.orientation);
    cost.setMargin(job.margin);
    cost.setAdditionalCost(job.additionalCost);
    cost.setExchangeRate(job.exchangeRate);
    cost.setEnergyCost(job.energyCost);
    cost.setAnnualRunningHours(job.runningHours);
    cost.InitiateCostingCalculations();
}

constexpr SELECTorRATE kRate = SELECTorRATE::Rating_Mode;
constexpr SELECTorRATE kSelect = SELECTorRATE::Selection_Mode;
constexpr HeatpipeStyling kHorseshoe = HeatpipeStyling::Horseshoe_Heatpipe;
constexpr HeatpipeStyling kStraight = HeatpipeStyling::Straight_Heatpipe;
constexpr HeatpipeStyling kCombination = HeatpipeStyling::Combination_Heatpipe;
constexpr Heatpipe kAlone = Heatpipe::Heat_Pipe_Only;
constexpr OrientationType kHor = OrientationType::Horizontal;
constexpr OrientationType kVer = OrientationType::Vertical;

// The rating example (1200 x 1800 mm, 2 rows at 8 fins per inch, DB3 14) as a
// horseshoe heat pipe alone.
const Job kHorseshoeRating{kRate,
                           1200,
                           1800,
                           "12",
                           kAlone,
                           VexaType::UK,
                           FinMat::Aluminium,
                           2,
                           8,
                           kHorseshoe,
                           CasingMat::Galvanised,
                           Drainpan::None,
                           false,
                           false,
                           kHor,
                           35,
                           0,
                           1,
                           0.3,
                           3000};

Job with(Job job, HeatpipeStyling style)
{
    job.style = style;
    return job;
}

} // namespace

TEST_F(CostingTest, WholeCostingOfDesignedUnits)
{
    // Figures checked against an independent working of the price rules.
    // clang-format off
    const struct { const char* name; Job job; Priced expected; } cases[] = {
        {"horseshoe alone", kHorseshoeRating,
         {"1235x1980x510", 1508, 111, 1309, 8670, 26010, 0, 34680}},
        {"combination, stainless, sloping pan, eliminators, additional cost, foreign currency",
         {kRate, 1200, 1800, "12", kAlone, VexaType::UK, FinMat::Aluminium, 2, 8, kCombination, CasingMat::Stainless,
          Drainpan::Sloping, true, true, kHor, 40, 150, 1.6, 0.05, 4000},
         {"1361x3850x365", 3734, 125, 5294, 1927, 5780, 8, 7707}},
        {"chilled water, flat pan (costed as a horseshoe)",
         {kSelect, 1200, 1800, "12", Heatpipe::Chilled_Water, VexaType::UK, FinMat::Aluminium, 0, 0, kStraight,
          CasingMat::Galvanised, Drainpan::Flat, false, false, kHor, 35, 0, 1.15, 0.3, 3000},
         {"1235x2050x500", 3162, 401, 3214, 11100, 33300, 0, 44400}},
        {"refrigerant, Dubai, Blygold, perforated base",
         {kSelect, 1200, 1800, "12", Heatpipe::Refrigerant, VexaType::Sharjah, FinMat::Blygold, 0, 0, kHorseshoe,
          CasingMat::Stainless, Drainpan::Perforated, false, true, kHor, 30, 0, 3.9, 0.1, 6000},
         {"1235x2050x500", 3124, 403, 10768, 7400, 22200, 2, 29600}},
        {"horseshoe 3 rows, 3/8 tube, Blygold at 6 fins per inch",
         {kRate, 600, 1400, "3/8", kAlone, VexaType::UK, FinMat::Blygold, 3, 6, kHorseshoe, CasingMat::Galvanised,
          Drainpan::Perforated, false, true, kHor, 25, 0, 1, 0.3, 3000},
         {"638x1580x580", 1708, 113, 1488, 6600, 19800, 1, 26400}},
        {"straight, copper, 1/2 tube, Dubai",
         {kRate, 2000, 2500, "1/2", kAlone, VexaType::Sharjah, FinMat::Copper, 1, 12, kStraight, CasingMat::Stainless,
          Drainpan::Perforated, true, false, kHor, 50, 0, 1, 0.3, 3000},
         {"2136x5250x185", 5333, 342, 4528, 10650, 31950, 1, 42600}},
        {"vertical combination, vinyl, 3000 mm, negative additional cost",
         {kRate, 700, 3000, "5/8", kAlone, VexaType::UK, FinMat::Vinyl, 3, 10, kCombination, CasingMat::Galvanised,
          Drainpan::Flat, false, true, kVer, 20, -30, 2, 0.2, 2000},
         {"6250x789x365", 1936, 185, 3386, 5747, 17240, 2, 22987}},
        {"horseshoe Blygold, margin 65",
         {kRate, 1500, 2100, "5/8", kAlone, VexaType::UK, FinMat::Blygold, 2, 6, kHorseshoe, CasingMat::Galvanised,
          Drainpan::Sloping, true, true, kHor, 65, 0, 1, 0.3, 3000},
         {"1539x2280x510", 6841, 189, 6100, 9630, 28890, 2, 38520}},
        {"horseshoe Dubai: bought-in fins and tube left out",
         {kRate, 800, 1900, "3/8", kAlone, VexaType::Sharjah, FinMat::Aluminium, 1, 6, kHorseshoe,
          CasingMat::Galvanised, Drainpan::None, false, false, kHor, 10, 0, 1, 0.3, 3000},
         {"841x2080x510", 442, 80, 350, 3660, 10980, 0, 14640}},
    };
    // clang-format on
    for (const auto& c : cases) {
        resetEngineState();
        Main main;
        design(main, c.job);
        Cost& cost = main.Cost();
        price(cost, c.job);
        EXPECT_EQ(cost.Sizes(), c.expected.sizes) << c.name;
        EXPECT_EQ(cost.ExWorksPriceSterling(), c.expected.sterling) << c.name;
        EXPECT_EQ(cost.ApproxiamateWeight(), c.expected.weight) << c.name;
        EXPECT_EQ(cost.ExWorksPriceForeign(), c.expected.foreign) << c.name;
        EXPECT_EQ(cost.AnnualPrecoolSaving(), c.expected.precool) << c.name;
        EXPECT_EQ(cost.AnnualReheatSaving(), c.expected.reheat) << c.name;
        EXPECT_EQ(cost.PaybackPeriod(), c.expected.payback) << c.name;
        EXPECT_EQ(cost.AnnualCostSaving(), c.expected.saving) << c.name;
    }
}

TEST_F(CostingTest, StraightCasingDoesNotDependOnAnEarlierCoolingCoil)
{
    const Job straight = with(kHorseshoeRating, kStraight);
    auto priceStraight = [&] {
        Main main;
        design(main, straight);
        price(main.Cost(), straight);
        return std::make_pair(main.Cost().ExWorksPriceSterling(), costingState().casing.depth_mm);
    };
    const auto fresh = priceStraight();
    EXPECT_EQ(fresh.second, 185); // cased two rows deep, as its size text says

    // A chilled water design and costing leave a 6-row cooling coil in the record.
    Main chilled;
    Job coil = straight;
    coil.mode = kSelect;
    coil.heatpipeType = Heatpipe::Chilled_Water;
    design(chilled, coil);
    price(chilled.Cost(), coil);
    ASSERT_EQ(designState().coilRows, 6);

    const auto afterCoil = priceStraight();
    EXPECT_EQ(afterCoil, fresh);

    Job withEliminators = straight;
    withEliminators.eliminators = true;
    Main main;
    design(main, withEliminators);
    price(main.Cost(), withEliminators);
    EXPECT_EQ(costingState().casing.depth_mm, 365);
}

TEST_F(CostingTest, CoolingCoilCostingLeavesTheStyleHorseshoeAndRestoresTheCoilOption)
{
    Job coil = with(kHorseshoeRating, kCombination);
    coil.mode = kSelect;
    coil.heatpipeType = Heatpipe::Chilled_Water;
    design(m_main, coil);
    price(cost(), coil);
    EXPECT_FALSE(designState().heatPipeOnly);
    EXPECT_TRUE(costingState().horseshoeStyle);
    // Priced as a horseshoe whatever the style said.
    const int32_t asCombination = cost().ExWorksPriceSterling();
    price(cost(), with(coil, kHorseshoe));
    EXPECT_EQ(cost().ExWorksPriceSterling(), asCombination);
}

TEST_F(CostingTest, AnUnsetApplicationTypeIsPricedAsUK)
{
    design(m_main, kHorseshoeRating);
    price(cost(), kHorseshoeRating);
    const int32_t uk = cost().ExWorksPriceSterling();
    designState().applicationType.clear();
    price(cost(), kHorseshoeRating);
    EXPECT_EQ(cost().ExWorksPriceSterling(), uk);
    EXPECT_EQ(m_main.VexaApplicationType(), VexaType::UK);
}

TEST_F(CostingTest, DubaiHorseshoeMaterialsLeaveOutFinTubeAllowanceAAndCoating)
{
    Job dubai = kHorseshoeRating;
    dubai.application = VexaType::Sharjah;
    dubai.finMaterial = FinMat::Blygold;
    design(m_main, dubai);
    price(cost(), dubai);
    const CostingState& cs = costingState();
    const ComponentCosts& c = cs.components;
    EXPECT_GT(c.coating, 0);
    EXPECT_FLOAT_EQ(cs.heatpipeMaterials,
                    c.tubeAllowanceB + c.fixedAmount + c.horseshoeCharge + c.items + c.bends);
    // The coating still comes off the labour base.
    const double labour = 0.4 * (cs.heatpipeMaterials - c.coating) + 0.1 * c.coating;
    EXPECT_FLOAT_EQ(cs.heatpipeLabour, static_cast<float>(std::max(labour, 40.0)));
}

TEST(CostingLabour, FortyPercentOfMaterialsTenOfCoatingAtLeastForty)
{
    // clang-format off
    const struct { float materials; float coating; float heatpipe; float coolingCoil; } cases[] = {
        {30,  0,   40, 40}, // a tiny coil still carries 40 of labour
        {100, 0,   40, 40},
        {200, 0,   80, 60},
        {200, 100, 50, 60},
        {500, 0,   200, 150},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(Costing::heatpipeLabour(c.materials, c.coating), c.heatpipe) << c.materials;
        EXPECT_FLOAT_EQ(Costing::coolingCoilLabour(c.materials), c.coolingCoil) << c.materials;
    }
}

TEST_F(CostingTest, PriceFromTheSharesWithMarginCurrencyAndSurcharges)
{
    // clang-format off
    const struct {
        const char* name; bool heatPipeOnly; const char* finMaterial; double hp; double cc; double additional;
        int16_t margin; double exchangeRate; int32_t foreign; int32_t sterling;
    } cases[] = {
        // P = 1200 / 0.35 = 3428.57: base 3429, PS1 = 3429 + 205 + 50 = 3684, + 184
        {"heat pipe alone, margin 65",  true,  "Aluminium", 1000, 0,   0,   65, 1.6, 5486, 3868},
        // base 1000: PS1 = 1110, then 10 % for copper fins, 5 % otherwise
        {"copper surcharge",            true,  "Copper",    500,  0,   0,   40, 1,   1000, 1221},
        {"aluminium surcharge",         true,  "Aluminium", 500,  0,   0,   40, 1,   1000, 1165},
        {"additional cost before 1.2",  true,  "Aluminium", 400,  0,   100, 40, 1,   1000, 1165},
        // P = 650 x 1.2 / 0.65 + 500 x 1.2 / 0.6 = 1200 + 1000
        {"cooling coil at 1 / 0.65",    false, "Aluminium", 500,  650, 0,   40, 2,   4400, 2501},
    };
    // clang-format on
    for (const auto& c : cases) {
        designState().heatPipeOnly = c.heatPipeOnly;
        designState().finMaterial = c.finMaterial;
        CostingState& cs = costingState();
        cs.heatpipeShare = c.hp;
        cs.coolingCoilShare = c.cc;
        cs.additionalCost = c.additional;
        cs.exchangeRate = c.exchangeRate;
        Costing::PriceFromShares(Costing::marginFactor(c.margin));
        EXPECT_EQ(cost().ExWorksPriceForeign(), c.foreign) << c.name;
        EXPECT_EQ(cost().ExWorksPriceSterling(), c.sterling) << c.name;
    }
}

TEST_F(CostingTest, PaybackIsOnTheForeignPriceAloneAndOnTheHeatpipeShareWithACoil)
{
    CostingState& cs = costingState();
    cs.energyCost = 0.03;
    cs.annualRunningHours = 3000;
    designState().preCoolSaving_kW = 50; // 1500 + 4500 a year

    // Heat pipe alone: foreign price 12000 pays back in 24 months, although the
    // sterling price carries its surcharges.
    designState().heatPipeOnly = true;
    cs.heatpipeShare = 6000;
    cs.exchangeRate = 1;
    Costing::PriceFromShares(Costing::marginFactor(40));
    EXPECT_EQ(cost().ExWorksPriceForeign(), 12000);
    EXPECT_GT(cost().ExWorksPriceSterling(), 13000);
    EXPECT_EQ(cost().AnnualPrecoolSaving(), 1500);
    EXPECT_EQ(cost().AnnualReheatSaving(), 4500);
    EXPECT_EQ(cost().AnnualCostSaving(), 6000);
    EXPECT_EQ(cost().PaybackPeriod(), 24);

    // With a cooling coil only the heat pipe share counts: 500 x 1.2 / 0.6 x 2 =
    // 2000 against 6000 a year, not the foreign price of 4400.
    designState().heatPipeOnly = false;
    cs.heatpipeShare = 500;
    cs.coolingCoilShare = 650;
    cs.exchangeRate = 2;
    Costing::PriceFromShares(Costing::marginFactor(40));
    EXPECT_EQ(cost().ExWorksPriceForeign(), 4400);
    EXPECT_EQ(cost().PaybackPeriod(), 4);
}

TEST_F(CostingTest, AMarginOutsideOneToNinetyNineIsACalculationErrorThatChangesNothing)
{
    design(m_main, kHorseshoeRating);
    price(cost(), kHorseshoeRating);
    const int32_t sterling = cost().ExWorksPriceSterling();
    const double share = costingState().heatpipeShare;
    for (int16_t margin : {0, 100, -5, 150}) {
        cost().setMargin(margin);
        try {
            cost().InitiateCostingCalculations();
            ADD_FAILURE() << "margin " << margin << " was priced";
        } catch (const CalculationError& e) {
            EXPECT_EQ(e.description(), "Price calculation: the margin must lie between 0.1 and 99.9 %");
            EXPECT_EQ(e.number(), 0);
        }
        EXPECT_EQ(cost().ExWorksPriceSterling(), sterling);
        EXPECT_EQ(costingState().heatpipeShare, share);
    }
    for (int16_t margin : {1, 99}) {
        cost().setMargin(margin);
        EXPECT_NO_THROW(cost().InitiateCostingCalculations()) << margin;
    }
}

TEST_F(CostingTest, AForeignPriceBeyondThirtyTwoBitsIsAnOverflow)
{
    design(m_main, kHorseshoeRating);
    price(cost(), kHorseshoeRating);
    cost().setExchangeRate(1e9);
    EXPECT_THROW(cost().InitiateCostingCalculations(), CalculationError);
}
