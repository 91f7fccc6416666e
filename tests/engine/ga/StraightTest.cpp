// The straight heat pipe drawing made by the engine: its dimension rules, the
// unit in two sections, the template choice and the document it leaves.

#include "GaFixture.h"

#include "common/NumberText.h"
#include "ga/GaDocument.h"
#include "ga/Straight.h"

#include <fstream>

using namespace vexa;
using namespace vexa::ga;
using namespace vexa::ga::test;

namespace {

class StraightTest : public GaTest {
protected:
    Straight& straight() { return cost().Straight(); }

    // A unit of 1000 + 1050 mm sections with a 40 mm centre flange.
    void setSections()
    {
        straight().setSupplyAir(1000);
        straight().setExtractAir(1050);
        straight().setCentre_Flange_Width(40);
        straight().setFinnedLength(2130);
    }

    std::filesystem::path draw()
    {
        straight().CreateGA();
        EXPECT_FALSE(straight().DocumentPath().empty()) << straight().DocumentMessage();
        return straight().DocumentPath();
    }
};

} // namespace

TEST_F(StraightTest, FlangeWidthKeepsItsFractionWithRowsCountedByTheCostingOrientation)
{
    struct Case {
        int32_t tubesHigh;
        OrientationType costing;
        int32_t overallHeight;
        const char* flangeWidth;
    };
    // clang-format off
    const Case cases[] = {
        // M = 20: (1204 - floor(20 x 38.1 + 4)) / 2
        {18, OrientationType::Horizontal, 1204, "219.0"},
        {18, OrientationType::Horizontal, 1205, "219.5"},
        {18, OrientationType::Horizontal, 1203, "218.5"},
        {20, OrientationType::Vertical,   1204, "219.0"},
        {20, OrientationType::Horizontal, 1204, "181.0"}, // M = 22: floor(842.2) = 842
        {20, OrientationType::Vertical,   766,  "0.0"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.overallHeight);
        designState().tubesHigh = c.tubesHigh;
        cost().setOrienitation(c.costing);
        straight().setOverall_Height(c.overallHeight);
        const auto document = draw();
        EXPECT_EQ(bookmark(document, "FlangeWidth1"), c.flangeWidth);
        EXPECT_EQ(bookmark(document, "FlangeWidth2"), c.flangeWidth);
        EXPECT_EQ(bookmark(document, "OverallHeight"), num::format(c.overallHeight, "0.0"));
    }
}

TEST_F(StraightTest, FlangeDepthTiesGoToTheEvenNeighbour)
{
    setSections();
    // clang-format off
    const std::pair<int32_t, const char*> cases[] = {
        {2130 + 101, "50.0"},  // 50.5
        {2130 + 103, "52.0"},  // 51.5
        {2130 + 100, "50.0"},
        {2130 - 3,   "-2.0"},  // -1.5
    };
    // clang-format on
    for (const auto& [overallWidth, flangeDepth] : cases) {
        SCOPED_TRACE(overallWidth);
        straight().setOverall_Width(overallWidth);
        const auto document = draw();
        EXPECT_EQ(bookmark(document, "FlangeDepth1"), flangeDepth);
        EXPECT_EQ(bookmark(document, "FlangeDepth2"), flangeDepth);
    }
}

TEST_F(StraightTest, DerivedValuesFollowWhatWasSetBefore)
{
    // The flange depth is worked out when the width is set: sections set later do
    // not change it; until then it is 0.
    straight().setOverall_Width(2231);
    setSections();
    EXPECT_EQ(bookmark(draw(), "FlangeDepth1"), "1116.0"); // rnd(1115.5)
    EXPECT_EQ(bookmark(straight().DocumentPath(), "FlangeWidth1"), "0.0");
}

TEST_F(StraightTest, WritesEveryDimensionWithOneDecimalAndTheHeatPipeCode)
{
    setSections();
    straight().setOverall_Width(2310);
    straight().setOverall_Height(1204);
    const std::string dayBefore = todayText();
    const auto document = draw();
    const std::string dayAfter = todayText();
    // clang-format off
    const std::pair<const char*, const char*> expected[] = {
        {"OverallHeight", "1204.0"},     {"OverallWidth", "2310.0"},       {"OverallDepth", "185.0"},
        {"SupplyAir", "1000.0"},         {"FinnedLength", "2130.0"},       {"ExtractAir", "1050.0"},
        {"CentreFlangeWidth1", "40.0"},  {"CentreFlangeWidth2", "40.0"},   {"FlangeDepth1", "90.0"},
        {"HeatpipeCode", "12HP 8. 4 - 20T x 2130"},
        {"CustomerRef", ""},             {"ProjectName", ""},              {"Stacked", ""},
    };
    // clang-format on
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(bookmark(document, name), text) << name;
    }
    const std::string date = bookmark(document, "Date");
    EXPECT_TRUE(date == dayBefore || date == dayAfter) << date;
}

TEST_F(StraightTest, OverallDepthFollowsTheEliminatorsWhenTheDefaultsRun)
{
    straight();
    cost().setOptEliminators(true);
    EXPECT_EQ(bookmark(draw(), "OverallDepth"), "185.0") << "the defaults ran when the object was made";
    straight().StraightDefaults();
    EXPECT_EQ(bookmark(draw(), "OverallDepth"), "365.0");
}

TEST_F(StraightTest, TemplateFollowsOrientationAndDrainpan)
{
    struct Case {
        Orient orientation;
        Drainpan drainpan;
        const char* document;
    };
    // clang-format off
    const Case cases[] = {
        {Orient::Hor,                  Drainpan::None,       "HorizontalStraightHeatpipe.docx"},
        {Orient::Hor,                  Drainpan::Flat,       "HorizontalStraightHeatpipeDrainpan.docx"},
        {Orient::Hor,                  Drainpan::Sloping,    "HorizontalStraightHeatpipeDrainpan.docx"},
        {Orient::Hor,                  Drainpan::Perforated, "HorizontalStraightHeatpipe.docx"},
        {Orient::Ver,                  Drainpan::None,       "VerticalStraightHeatpipe.docx"},
        {Orient::Ver,                  Drainpan::Sloping,    "VerticalStraightHeatpipeDrainpan.docx"},
        {Orient::Ver,                  Drainpan::Perforated, "VerticalStraightHeatpipe.docx"},
        {static_cast<Orient>(7),       Drainpan::Flat,       "VerticalStraightHeatpipeDrainpan.docx"},
    };
    // clang-format on
    for (const Case& c : cases) {
        straight().setOrientation(c.orientation);
        cost().setDrainpanType(c.drainpan);
        const auto document = draw();
        EXPECT_EQ(document.filename(), c.document);
        std::filesystem::remove(document);
    }
}

TEST_F(StraightTest, TwoSectionsDrawTheLargerSectionWithTheWholeUnitInTheNote)
{
    struct Case {
        Orient orientation;
        int32_t tubesHigh;
        int32_t overallHeight;
        const char* sectionHeight;
        const char* flangeWidth;
        const char* note;
    };
    // clang-format off
    const Case cases[] = {
        // vertical, N = 21: n = 10.5, a = 423, b = 385, k = 38; (901 - 808) / 4 = 23.25,
        // rnd(469.5) = 470 (halves to even), T = 940 - 38
        {Orient::Ver, 21, 901, "470.0", "23.3",
         "* HEAT PIPE SUPPLIED IN TWO SECTIONS FITTED SIDE BY SIDE. ONLY ONE OF THE SECTIONS IS SHOWN, "
         "OVERALL WIDTH = 902.0 mm *"},
        // horizontal, N = 20: n = 11, a = b = 423, k = 0; (1000 - 846) / 4 = 38.5
        {Orient::Hor, 20, 1000, "500.0", "38.5",
         "* HEAT PIPE SUPPLIED IN TWO SECTIONS STACKED ONE ON TOP OF THE OTHER. ONLY ONE OF THE SECTIONS IS "
         "SHOWN, OVERALL HEIGHT = 1000.0 mm *"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.overallHeight);
        designState().finnedHeight_mm = 1911;
        designState().tubesHigh = c.tubesHigh;
        straight().setOrientation(c.orientation);
        straight().setOverall_Height(c.overallHeight);
        straight().setFinnedLength(1800);
        const auto document = draw();
        EXPECT_TRUE(designState().TwoSectionFlag);
        EXPECT_EQ(bookmark(document, "OverallHeight"), c.sectionHeight);
        EXPECT_EQ(bookmark(document, "FlangeWidth1"), c.flangeWidth);
        EXPECT_EQ(bookmark(document, "Stacked"), c.note);
        // The code shows the whole unit's tubes.
        EXPECT_EQ(bookmark(document, "HeatpipeCode"), "12HP 8. 4 -" + num::S(c.tubesHigh) + "T x 1800");
    }
}

TEST_F(StraightTest, AFinnedHeightOf1910IsOneSection)
{
    designState().finnedHeight_mm = 1910;
    straight().setOverall_Height(1000);
    const auto document = draw();
    EXPECT_FALSE(designState().TwoSectionFlag);
    EXPECT_EQ(bookmark(document, "OverallHeight"), "1000.0");
    EXPECT_EQ(bookmark(document, "Stacked"), "") << "left as the template has it";
}

TEST_F(StraightTest, ASecondDrawingOfTwoSectionsGivesTheSameFigures)
{
    designState().finnedHeight_mm = 2000;
    designState().tubesHigh = 20;
    straight().setOverall_Height(1000);
    const auto first = draw();
    const auto second = draw();
    EXPECT_NE(first, second) << "a new document, nothing overwritten";
    for (const char* name : {"OverallHeight", "FlangeWidth1", "Stacked"}) {
        EXPECT_EQ(bookmark(second, name), bookmark(first, name)) << name;
    }
    EXPECT_EQ(bookmark(second, "OverallHeight"), "500.0");
}

TEST_F(StraightTest, AMissingTemplateMakesNoDocumentAndNoError)
{
    TempFolder emptyTemplates;
    ScopedEnv templates("ARDELVEXA_TEMPLATES_DIR", emptyTemplates.path().c_str());
    EXPECT_NO_THROW(straight().CreateGA());
    EXPECT_TRUE(straight().DocumentPath().empty());
    EXPECT_NE(straight().DocumentMessage().find("No document was made"), std::string::npos)
        << straight().DocumentMessage();
    EXPECT_TRUE(output().fileNames().empty());
}

TEST_F(StraightTest, ADocumentLayerThatCannotStartGivesTheMessageAndItsReason)
{
    const auto blocker = output().path() / "not-a-folder";
    std::ofstream(blocker) << "x";
    ScopedEnv outputDir("ARDELVEXA_OUTPUT_DIR", blocker.c_str());
    try {
        straight().CreateGA();
        FAIL() << "no error";
    } catch (const GaDocumentError& e) {
        const std::string text = e.what();
        EXPECT_EQ(text.substr(0, text.find('\n')),
                  "You need to have Microsoft Word Installed to run general arrangement");
        EXPECT_NE(text.find('\n'), std::string::npos);
        EXPECT_GT(text.size(), text.find('\n') + 1) << "a reason on the second line";
    }
    EXPECT_TRUE(straight().DocumentPath().empty());
}

TEST_F(StraightTest, EachCostHasItsOwnDrawingObject)
{
    Straight& first = cost().Straight();
    EXPECT_EQ(&first, &cost().Straight());
    Main other;
    EXPECT_NE(&first, &other.Cost().Straight());
}
