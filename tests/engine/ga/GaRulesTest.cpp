// The rules every general arrangement drawing shares, the template of each kind of
// unit and the bookmarks of the combination drawing.

#include "GaFixture.h"

#include "ga/CombinationDrawing.h"
#include "ga/GaDocument.h"
#include "ga/HorseshoeDrawing.h"
#include "ga/StraightDrawing.h"

#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::ga;
using namespace vexa::ga::test;

namespace {

std::vector<std::string> names(const std::vector<BookmarkText>& bookmarks)
{
    std::vector<std::string> out;
    for (const BookmarkText& b : bookmarks) {
        out.push_back(b.name);
    }
    return out;
}

std::string textOf(const std::vector<BookmarkText>& bookmarks, const std::string& name)
{
    for (const BookmarkText& b : bookmarks) {
        if (b.name == name) {
            return b.text;
        }
    }
    return "<none>";
}

} // namespace

TEST(GaRules, NumbersCarryOneDecimalWithHalvesAwayFromZero)
{
    // clang-format off
    const std::pair<double, const char*> cases[] = {
        {1204, "1204.0"}, {49.5, "49.5"}, {50, "50.0"}, {219.25, "219.3"}, {-1.25, "-1.3"}, {0, "0.0"},
        {-0.04, "0.0"},
    };
    // clang-format on
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(dimensionText(value), text) << value;
    }
}

TEST(GaRules, HeatPipeCodeHasOneBlankBeforeEachNumber)
{
    EXPECT_EQ(heatpipeCode("12HP", 8, 4, 20, 1800), "12HP 8. 4 - 20T x 1800");
    EXPECT_EQ(heatpipeCode("12HP", 14, 10, 9, 600), "12HP 14. 10 - 9T x 600");
    EXPECT_EQ(heatpipeCode(" 12HP", 8, 4, 20, 1800), " 12HP 8. 4 - 20T x 1800");
    EXPECT_EQ(heatpipeCode("12HP", 8, 4, -1, 0), "12HP 8. 4 --1T x 0");
}

TEST(GaRules, TwoSectionsAboveAFinnedHeightOf1910)
{
    EXPECT_FALSE(isTwoSections(1910));
    EXPECT_TRUE(isTwoSections(1911));
    // clang-format off
    const std::tuple<int32_t, int32_t, int32_t> cases[] = {
        // tubes high, larger section, height difference
        {21, 11, 38},
        {22, 11, 0},
        {1,  1,  38},
    };
    // clang-format on
    for (const auto& [tubes, section, k] : cases) {
        const Sections s = largerSection(tubes);
        EXPECT_EQ(s.sectionTubesHigh, section) << tubes;
        EXPECT_EQ(s.heightDifference_mm, k) << tubes;
    }
}

TEST(GaRules, TwoSectionNoteGivesTheWholeUnit)
{
    EXPECT_EQ(
        twoSectionNote(true, 1204, 38),
        "* HEAT PIPE SUPPLIED IN TWO SECTIONS STACKED ONE ON TOP OF THE OTHER. ONLY ONE OF THE SECTIONS IS "
        "SHOWN, OVERALL HEIGHT = 2370.0 mm *");
    EXPECT_EQ(twoSectionNote(false, 1204, 0),
              "* HEAT PIPE SUPPLIED IN TWO SECTIONS FITTED SIDE BY SIDE. ONLY ONE OF THE SECTIONS IS SHOWN, "
              "OVERALL WIDTH = 2408.0 mm *");
}

TEST(GaRules, OnlyFlatAndSlopingDrainpansCount)
{
    EXPECT_TRUE(hasDrainpan("Flat Drainpan"));
    EXPECT_TRUE(hasDrainpan("Sloping Drainpan"));
    EXPECT_FALSE(hasDrainpan("No Drainpan"));
    EXPECT_FALSE(hasDrainpan("Perforated Base"));
}

TEST(GaRules, TemplateOfEveryKindOfUnit)
{
    enum Style { Straight, Horseshoe, Combination };
    struct Case {
        Style style;
        bool horizontalOrLeft; // straight: horizontal; others: left hand
        bool drainpan;
        CoilKind coil;
        const char* file;
    };
    constexpr CoilKind CW = CoilKind::ChilledWater;
    constexpr CoilKind RF = CoilKind::Refrigerant;
    // clang-format off
    const Case cases[] = {
        {Straight,    true,  false, CW, "HorizontalStraightHeatpipe.dotx"},
        {Straight,    false, false, CW, "VerticalStraightHeatpipe.dotx"},
        {Straight,    true,  true,  CW, "HorizontalStraightHeatpipeDrainpan.dotx"},
        {Straight,    false, true,  CW, "VerticalStraightHeatpipeDrainpan.dotx"},
        {Horseshoe,   true,  false, CW, "HorseshoeHeatpipeLeft.dotx"},
        {Horseshoe,   false, false, CW, "HorseshoeHeatpipeRight.dotx"},
        {Combination, true,  true,  RF, "RefrigerantHeatpipeDrainpanLEFT.dotx"},
        {Combination, false, true,  RF, "RefrigerantHeatpipeDrainpanRIGHT.dotx"},
        {Combination, true,  true,  CW, "CombinationHeatpipeDrainpanLEFT.dotx"},
        {Combination, false, true,  CW, "CombinationHeatpipeDrainpanRIGHT.dotx"},
        {Combination, true,  false, RF, "RefrigerantHeatpipeLEFT.dotx"},
        {Combination, false, false, RF, "RefrigerantHeatpipeRIGHT.dotx"},
        {Combination, true,  false, CW, "CombinationHeatpipeLEFT.dotx"},
        {Combination, false, false, CW, "CombinationHeatpipeLEFT.dotx"}, // no right-hand drawing
    };
    // clang-format on
    for (const Case& c : cases) {
        const Hand hand = c.horizontalOrLeft ? Hand::Left : Hand::Right;
        switch (c.style) {
        case Straight:
            EXPECT_EQ(straightTemplate(c.horizontalOrLeft, c.drainpan), c.file);
            break;
        case Horseshoe:
            EXPECT_EQ(horseshoeTemplate(hand), c.file);
            break;
        case Combination:
            EXPECT_EQ(combinationTemplate(c.drainpan, c.coil, hand), c.file);
            break;
        }
    }
}

TEST(GaRules, CombinationFlangeDepth)
{
    // clang-format off
    const std::tuple<int32_t, int32_t, bool, int32_t> cases[] = {
        // OH, tubes high, drain pan, flange depth
        {851, 20, true,  25},  // 851 - floor(826.0)
        {816, 20, false, 25},  // (816 - 766) / 2
        {817, 20, false, 26},  // 25.5 to even
        {819, 20, false, 26},  // 26.5 to even
        {901, 20, true,  75},
    };
    // clang-format on
    for (const auto& [oh, tubes, drainpan, depth] : cases) {
        EXPECT_EQ(combinationFlangeDepth(oh, tubes, drainpan), depth) << oh;
    }
}

TEST(GaRules, FrontBaffleFollowsTheConnectionSize)
{
    // clang-format off
    const std::pair<const char*, int32_t> cases[] = {
        {"3/4 inch", 100}, {"1 inch", 100}, {"1 1/4 inch", 100}, {"1 1/2 inch", 100},
        {"2 inch", 115},   {"2 1/2 inch", 130}, {"3 inch", 145}, {"2 x 3 inch", 145}, {"", 145},
        {"2 INCH", 145},
    };
    // clang-format on
    for (const auto& [size, baffle] : cases) {
        EXPECT_EQ(frontBaffleMinimum(size), baffle) << size;
    }
}

TEST(GaRules, CombinationDrawsTheCoilsConnectionSizeFromTheLastDesign)
{
    resetEngineState();
    designState().connectionSize = "1 1/2 inch";
    EXPECT_EQ(drawnConnectionSize(CoilKind::ChilledWater), "1 1/2 inch");
    EXPECT_EQ(drawnConnectionSize(CoilKind::Refrigerant), "");
}

TEST(GaRules, CombinationCaseBookmarksComeFirst)
{
    struct Case {
        bool drainpan;
        CoilKind coil;
        Hand hand;
        std::vector<std::string> order;
    };
    const std::vector<std::string> withDrainpan = {"OverallHeight",   "OverallWidth", "OverallDepth",
                                                   "ReturnBaffle",    "FinnedLength", "FrontBaffle",
                                                   "ConnectionLength"};
    const std::vector<std::string> withoutDrainpan = {"OverallHeight", "OverallWidth", "OverallDepth",
                                                      "ReturnBaffle",  "FinnedLength", "FlangeDepth1",
                                                      "FlangeDepth2",  "FrontBaffle",  "ConnectionLength"};
    auto then = [](std::vector<std::string> first, const std::vector<std::string>& rest) {
        first.insert(first.end(), rest.begin(), rest.end());
        return first;
    };
    constexpr CoilKind CW = CoilKind::ChilledWater;
    constexpr CoilKind RF = CoilKind::Refrigerant;
    // clang-format off
    const Case cases[] = {
        {true,  RF, Hand::Left,  then({"FlangeDepth1", "INLET", "OUTLET", "DuctHeight"}, withDrainpan)},
        {true,  RF, Hand::Right, then({"FlangeDepth1", "INLET", "OUTLET", "DuctHeight"}, withDrainpan)},
        {true,  CW, Hand::Left,  then({"ConnectionSize", "DuctHeight", "FlangeDepth1"}, withDrainpan)},
        {true,  CW, Hand::Right, then({"ConnectionSize", "DuctHeight", "FlangeDepth1"}, withDrainpan)},
        {false, RF, Hand::Left,  then({"INLET", "OUTLET"}, withoutDrainpan)},
        {false, RF, Hand::Right, then({"INLET", "OUTLET"}, withoutDrainpan)},
        {false, CW, Hand::Left,  then({"ConnectionSize"}, withoutDrainpan)},
        {false, CW, Hand::Right, then({"ConnectionLength", "Note", "ConnectionSize"}, withoutDrainpan)},
    };
    // clang-format on
    for (const Case& c : cases) {
        CombinationDrawing d;
        d.drainpan = c.drainpan;
        d.coil = c.coil;
        d.hand = c.hand;
        EXPECT_EQ(names(combinationBookmarks(d)), c.order)
            << c.drainpan << " " << static_cast<int>(c.coil) << " " << static_cast<int>(c.hand);
    }
}

TEST(GaRules, CombinationValues)
{
    CombinationDrawing d;
    d.drainpan = true;
    d.overallHeight = 851;
    d.flangeDepth = combinationFlangeDepth(851, 20, true);
    d.returnBaffle = 120;
    d.finnedLength = 1800;
    d.frontBaffle = 100;
    d.connectionLength = 150;
    d.connectionSize = "1 1/2 inch";
    const auto bookmarks = combinationBookmarks(d);
    // clang-format off
    const std::pair<const char*, const char*> expected[] = {
        {"ConnectionSize", "1 1/2 INCH"}, {"DuctHeight", "766.0"},   {"FlangeDepth1", "25.0"},
        {"OverallHeight", "851.0"},       {"OverallWidth", "2020.0"}, {"OverallDepth", "500.0"},
        {"ReturnBaffle", "120.0"},        {"FinnedLength", "1800.0"}, {"FrontBaffle", "100.0"},
        {"ConnectionLength", "150.0"},
    };
    // clang-format on
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(textOf(bookmarks, name), text) << name;
    }
    d.drainpan = false;
    d.hand = Hand::Right;
    EXPECT_EQ(textOf(combinationBookmarks(d), "Note"),
              "NOTE. CONNECTIONS SHOWN ON LHS LOOKING IN DIRECTION OF AIRFLOW");
    d.coil = CoilKind::Refrigerant;
    EXPECT_EQ(textOf(combinationBookmarks(d), "INLET"), "");
    EXPECT_EQ(textOf(combinationBookmarks(d), "ConnectionSize"), "<none>");
}

TEST(GaRules, StraightAndHorseshoeBookmarksInTheirOrder)
{
    EXPECT_EQ(names(straightBookmarks({})),
              (std::vector<std::string>{"OverallHeight", "OverallWidth", "OverallDepth", "SupplyAir",
                                        "FinnedLength", "FlangeWidth1", "FlangeWidth2", "ExtractAir",
                                        "CentreFlangeWidth1", "CentreFlangeWidth2", "FlangeDepth1",
                                        "FlangeDepth2"}));
    EXPECT_EQ(names(horseshoeBookmarks({})),
              (std::vector<std::string>{"OverallHeight", "OverallWidth", "ExternalBaffle", "InternalBaffle",
                                        "FinnedLength", "FlangeWidth1", "FlangeWidth2", "InternalDepth",
                                        "EndPlateWidth1", "EndPlateWidth2"}));
    EXPECT_EQ(straightOverallDepth(true), 365);
    EXPECT_EQ(straightOverallDepth(false), 185);
    EXPECT_EQ(horseshoeEndPlateWidth(2), 75);
    EXPECT_EQ(horseshoeEndPlateWidth(3), 110);
}
