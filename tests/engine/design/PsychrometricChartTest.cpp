#include "DesignFixture.h"

#include "XlsxReader.h"
#include "design/Psychrometric.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace vexa;

namespace {

// Workbooks go to a fresh folder of the test's own; nothing is opened.
class ChartTest : public DesignTest {
protected:
    void SetUp() override
    {
        DesignTest::SetUp();
        m_folder = std::filesystem::path(::testing::TempDir()) /
                   ("vexa_chart_" + std::to_string(getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        setenv("ARDELVEXA_OUTPUT_DIR", m_folder.c_str(), 1);
        setenv("ARDELVEXA_NO_OPEN", "1", 1);
    }
    void TearDown() override
    {
        chmod(m_folder.c_str(), 0755);
        std::filesystem::remove_all(m_folder);
        unsetenv("ARDELVEXA_OUTPUT_DIR");
    }

    // The selection example's states as the main window shows them.
    static void setExampleStates(Psychrometric& chart)
    {
        chart.setDB1(33), chart.setWB1(27.5), chart.setRH1(66), chart.setW1(0.0211), chart.setE1(87.35);
        chart.setDB2(27.1), chart.setWB2(26.2), chart.setRH2(92), chart.setW2(0.0211), chart.setE2(81.19);
        chart.setDB3(12.1), chart.setWB3(11.7), chart.setRH3(95), chart.setW3(0.0083), chart.setE3(33.22);
        chart.setDB4(18), chart.setWB4(14), chart.setRH4(65), chart.setW4(0.0084), chart.setE4(39.3);
    }

    std::filesystem::path m_folder;
};

constexpr const char* kSheet1 = "xl/worksheets/sheet1.xml";
constexpr const char* kConditions = "xl/worksheets/sheet2.xml";

TEST_F(ChartTest, WritesTheStatesOnBothProtectedSheets)
{
    Main main;
    Psychrometric& chart = main.Psychrometric();
    EXPECT_EQ(&chart, &main.Psychrometric()); // one chart object per Main
    setExampleStates(chart);
    chart.HumidityRatio();

    ASSERT_TRUE(std::filesystem::exists(chart.WorkbookPath()));
    EXPECT_FALSE(chart.WorkbookShown());
    const XlsxReader book(chart.WorkbookPath());
    const std::string workbook = book.part("xl/workbook.xml");
    EXPECT_NE(workbook.find("name=\"Sheet1\""), std::string::npos);
    EXPECT_NE(workbook.find("name=\"Conditions\""), std::string::npos);

    // clang-format off
    const struct { const char* cell; const char* text; } conditions[] = {
        {"B42", "33.0"},   {"C42", "27.1"},   {"D42", "12.1"},   {"E42", "18.0"},
        {"B43", "27.5"},   {"C43", "26.2"},   {"D43", "11.7"},   {"E43", "14.0"},
        {"B44", "66"},     {"C44", "92"},     {"D44", "95"},     {"E44", "65"},
        {"B45", "0.0211"}, {"C45", "0.0211"}, {"D45", "0.0083"}, {"E45", "0.0084"},
        {"B46", "87.35"},  {"C46", "81.19"},  {"D46", "33.22"},  {"E46", "39.30"},
    };
    // clang-format on
    for (const auto& c : conditions) {
        EXPECT_EQ(book.cell(kConditions, c.cell), c.text) << c.cell;
    }
    EXPECT_EQ(std::stod(book.cell(kSheet1, "A91")), 33);
    EXPECT_EQ(std::stod(book.cell(kSheet1, "A94")), 18);
    for (int state = 1; state <= 4; ++state) {
        const std::string reference = "B" + std::to_string(90 + state);
        EXPECT_FLOAT_EQ(std::stof(book.cell(kSheet1, reference)), *chart.plottedHumidityRatio(state))
            << state;
    }
    EXPECT_NEAR(*chart.plottedHumidityRatio(1), 0.021147, 1e-6);

    for (const char* sheet : {kSheet1, kConditions}) {
        const std::string xml = book.part(sheet);
        EXPECT_NE(xml.find("<sheetProtection password=\""), std::string::npos) << sheet;
    }
    EXPECT_NE(book.part("xl/charts/chart1.xml").find("<c:scatterChart>"), std::string::npos);
}

TEST_F(ChartTest, ANegativeHumidityRatioStopsThePlotButNotTheConditions)
{
    Main main;
    Psychrometric& chart = main.Psychrometric();
    setExampleStates(chart);
    chart.HumidityRatio();
    const float earlierState4 = *chart.plottedHumidityRatio(4);

    chart.setWB3(-5); // far below the dry-air limit at 12.1 degC
    chart.setDB4(20);
    chart.HumidityRatio();
    EXPECT_NEAR(*chart.plottedHumidityRatio(2), 0.0213, 1e-4);
    EXPECT_EQ(*chart.plottedHumidityRatio(4), earlierState4); // kept from the earlier plot

    const XlsxReader book(chart.WorkbookPath());
    EXPECT_EQ(book.cell(kConditions, "D43"), "-5.0");
    EXPECT_EQ(book.cell(kConditions, "E42"), "20.0");

    Main fresh;
    Psychrometric& first = fresh.Psychrometric();
    setExampleStates(first);
    first.setWB2(-10);
    first.HumidityRatio();
    EXPECT_FALSE(first.plottedHumidityRatio(2).has_value()); // never plotted: no point
    const XlsxReader second(first.WorkbookPath());
    EXPECT_EQ(second.cell(kSheet1, "B92"), "");
    EXPECT_EQ(second.cell(kConditions, "C42"), "27.1");
}

TEST_F(ChartTest, EveryPlotIsANewWorkbook)
{
    Main main;
    setExampleStates(main.Psychrometric());
    main.Psychrometric().HumidityRatio();
    const std::filesystem::path first = main.Psychrometric().WorkbookPath();
    main.Psychrometric().HumidityRatio();
    const std::filesystem::path second = main.Psychrometric().WorkbookPath();
    EXPECT_NE(first, second);
    EXPECT_TRUE(std::filesystem::exists(first));
    EXPECT_TRUE(std::filesystem::exists(second));
    EXPECT_EQ(second.filename(), "Psychrometric chart (2).xlsx");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder), {}), 2);
}

TEST_F(ChartTest, AnOutputFolderThatCannotBeWrittenIsAClearError)
{
    if (geteuid() == 0) {
        // root writes anywhere: use a path below a plain file instead
        std::filesystem::create_directories(m_folder);
        std::ofstream(m_folder / "file") << "x";
        setenv("ARDELVEXA_OUTPUT_DIR", (m_folder / "file" / "below").c_str(), 1);
    } else {
        std::filesystem::create_directories(m_folder);
        chmod(m_folder.c_str(), 0555);
    }
    Main main;
    setExampleStates(main.Psychrometric());
    try {
        main.Psychrometric().HumidityRatio();
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("output folder"), std::string::npos) << e.what();
    }
}

} // namespace
