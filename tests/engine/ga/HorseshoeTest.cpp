// The horseshoe heat pipe drawing made by the engine: pitch by tube diameter, the
// hand, the unit in two sections and the heat pipe code.

#include "GaFixture.h"

#include "common/NumberText.h"
#include "ga/Horseshoe.h"

using namespace vexa;
using namespace vexa::ga;
using namespace vexa::ga::test;

namespace {

class HorseshoeTest : public GaTest {
protected:
    Horseshoe& horseshoe() { return cost().Horseshoe(); }

    // 20 tubes, 3 rows, 120 mm external and 60 mm internal baffles, 360 mm deep.
    void setUnit(int32_t overallHeight)
    {
        horseshoe().setTubeDiameter("12");
        horseshoe().setNumberOfTubesHigh(20);
        horseshoe().setNumberOfRows(3);
        horseshoe().setInternal_Baffle(60);
        horseshoe().setExternal_Baffle(120);
        horseshoe().setInternal_Depth(360);
        horseshoe().setAirFlowDirection("L");
        horseshoe().setOverall_Height(overallHeight);
    }

    std::filesystem::path draw()
    {
        horseshoe().GA();
        EXPECT_FALSE(horseshoe().DocumentPath().empty()) << horseshoe().DocumentMessage();
        return horseshoe().DocumentPath();
    }
};

} // namespace

TEST_F(HorseshoeTest, MakingTheObjectClearsTheTwoSectionFlag)
{
    designState().TwoSectionFlag = true;
    horseshoe();
    EXPECT_FALSE(designState().TwoSectionFlag);
    designState().TwoSectionFlag = true;
    horseshoe();
    EXPECT_TRUE(designState().TwoSectionFlag) << "only when it is made";
}

TEST_F(HorseshoeTest, WritesEveryDimensionTheReferencesAndTheCode)
{
    setUnit(816);
    horseshoe().setOverall_Width(5000); // worked out again from the external baffle
    horseshoe().setCustomer_Ref("  C-10442 ");
    horseshoe().setProject_Ref(" RIVERSIDE OFFICES");
    const auto document = draw();
    // clang-format off
    const std::pair<const char*, const char*> expected[] = {
        {"OverallHeight", "816.0"},     {"OverallWidth", "1980.0"},   {"ExternalBaffle", "120.0"},
        {"InternalBaffle", "60.0"},     {"FinnedLength", "1800.0"},   {"FlangeWidth1", "25.5"},
        {"FlangeWidth2", "25.5"},       {"InternalDepth", "360.0"},   {"EndPlateWidth1", "110.0"},
        {"EndPlateWidth2", "110.0"},    {"Stacked", ""},
        {"CustomerRef", "C-10442"},     {"ProjectName", "RIVERSIDE OFFICES"},
        {"HeatpipeCode", " 12HP 8. 4 - 20T x 1800"},
    };
    // clang-format on
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(bookmark(document, name), text) << name;
    }
}

TEST_F(HorseshoeTest, TubePitchFollowsTheTubeDiameterInSinglePrecision)
{
    // Flange width for 20 tubes and OH 816: (816 - floor(20 x p + 4)) / 2.
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"12",    "25.5"},   // 38.1f: floor(765.99997) = 765
        {"5/8",   "25.5"},
        {"",      "25.5"},
        {"3/8",   "152.5"},  // 25.4f: floor(511.99999) = 511
        {" 1/2 ", "88.5"},   // 31.75: 639
    };
    // clang-format on
    for (const auto& [diameter, flangeWidth] : cases) {
        SCOPED_TRACE(diameter);
        setUnit(816);
        horseshoe().setTubeDiameter(diameter);
        EXPECT_EQ(bookmark(draw(), "FlangeWidth1"), flangeWidth);
    }
}

TEST_F(HorseshoeTest, HeatPipeCodeStartsWithTheTubeDiameterAsANumber)
{
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"12",    " 12HP 8. 4 - 20T x 1800"},
        {" 12 ",  " 12HP 8. 4 - 20T x 1800"},
        {"5/8",   ""},  // not a number: left as the template has it
        {"",      ""},
        {"12mm",  ""},
    };
    // clang-format on
    for (const auto& [diameter, code] : cases) {
        SCOPED_TRACE(diameter);
        setUnit(816);
        horseshoe().setTubeDiameter(diameter);
        EXPECT_EQ(bookmark(draw(), "HeatpipeCode"), code);
    }
}

TEST_F(HorseshoeTest, AirFlowDirectionLChoosesTheLeftHand)
{
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {" L ", "HorseshoeHeatpipeLeft.docx"},
        {"L",   "HorseshoeHeatpipeLeft.docx"},
        {"l",   "HorseshoeHeatpipeRight.docx"},
        {"R",   "HorseshoeHeatpipeRight.docx"},
        {"",    "HorseshoeHeatpipeRight.docx"},
    };
    // clang-format on
    for (const auto& [direction, file] : cases) {
        setUnit(816);
        horseshoe().setAirFlowDirection(direction);
        const auto document = draw();
        EXPECT_EQ(document.filename(), file) << direction;
        std::filesystem::remove(document);
    }
}

TEST_F(HorseshoeTest, EndPlatesAreWiderForMoreThanTwoRows)
{
    // clang-format off
    const std::pair<int16_t, const char*> cases[] = {{2, "75.0"}, {3, "110.0"}, {1, "75.0"}};
    // clang-format on
    for (const auto& [rows, width] : cases) {
        setUnit(816);
        horseshoe().setNumberOfRows(rows);
        const auto document = draw();
        EXPECT_EQ(bookmark(document, "EndPlateWidth1"), width) << rows;
        EXPECT_EQ(bookmark(document, "EndPlateWidth2"), width) << rows;
    }
}

TEST_F(HorseshoeTest, TwoSectionsDrawTheLargerSection)
{
    struct Case {
        int32_t tubesHigh;
        const char* sectionHeight;
        const char* flangeWidth;
        const char* wholeHeight;
    };
    // clang-format off
    const Case cases[] = {
        // x = 10.5: 11 tubes, a = rnd(419 + 4) = 423, b = rnd(380 + 4) = 384 (10 x 38.1f is
        // just under 381), k = 38; (900 - 807) / 4 = 23.25, rnd(469.5) = 470;
        // flange width (470 - 423) / 2
        {21, "470.0", "23.5", "902.0"},
        // x = 11: a = b = 423, k = 0; (1000 - 846) / 4 = 38.5
        {22, "500.0", "38.5", "1000.0"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tubesHigh);
        designState().finnedHeight_mm = 1911;
        designState().tubesHigh = c.tubesHigh;
        setUnit(c.tubesHigh == 21 ? 900 : 1000);
        const auto document = draw();
        EXPECT_TRUE(designState().TwoSectionFlag);
        EXPECT_EQ(bookmark(document, "OverallHeight"), c.sectionHeight);
        EXPECT_EQ(bookmark(document, "FlangeWidth1"), c.flangeWidth);
        EXPECT_EQ(
            bookmark(document, "Stacked"),
            std::string("* HEAT PIPE SUPPLIED IN TWO SECTIONS STACKED ONE ON TOP OF THE OTHER. ONLY ONE OF "
                        "THE SECTIONS IS SHOWN, OVERALL HEIGHT = ") +
                c.wholeHeight + " mm *");
        EXPECT_EQ(bookmark(document, "HeatpipeCode"), " 12HP 8. 4 -" + num::S(c.tubesHigh) + "T x 1800");
        // A second drawing without setting anything again gives the same figures.
        const auto again = draw();
        EXPECT_EQ(bookmark(again, "OverallHeight"), c.sectionHeight);
        EXPECT_EQ(bookmark(again, "FlangeWidth1"), c.flangeWidth);
    }
}

TEST_F(HorseshoeTest, OneSectionEmptiesStackedAndUsesTheTubesHighSet)
{
    setUnit(816);
    horseshoe().setNumberOfTubesHigh(21); // floor(21 x 38.1f + 4) = 804
    const auto document = draw();
    EXPECT_FALSE(designState().TwoSectionFlag);
    EXPECT_EQ(bookmark(document, "FlangeWidth1"), "6.0");
    EXPECT_EQ(bookmark(document, "Stacked"), "");
}
