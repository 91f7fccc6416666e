#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Json = nlohmann::ordered_json;

struct VexaRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the vexa program with the input on standard input.
VexaRun runVexa(const std::string& arguments, const std::string& input, const std::string& environment = "")
{
    // ctest runs the cases as parallel processes: each run gets files of its own.
    static int runs = 0;
    const std::string base =
        ::testing::TempDir() + "vexa_calc_" + std::to_string(getpid()) + "_" + std::to_string(++runs);
    {
        std::ofstream(base + ".in") << input;
    }
    const std::string command = environment + std::string(VEXA_CLI_PATH) + " " + arguments + " < " + base +
                                ".in > " + base + ".out 2> " + base + ".err";
    const int raw = std::system(command.c_str());
    auto slurp = [](const std::string& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(base + ".out"), slurp(base + ".err")};
}

const char* kSelection = R"({"Main": {"OptMode": 0, "Finned_Height": 1200, "TubeDiameter": "12",
    "DryBulb_1": 33, "WetBulb_1": 27.5, "DryBulb_4": 18, "WetBulb_4": 14, "HeatpipeType": 0}})";

TEST(VexaCalc, SelectionWithChilledWaterEndToEnd)
{
    const VexaRun run = runVexa("calc", kSelection);
    ASSERT_EQ(run.status, 0) << run.err;
    const Json result = Json::parse(run.out);
    const Json& main = result.at("Main");
    EXPECT_EQ(main.at("CoilCode"), "12WD 12. 6- 31Tx 1800");
    EXPECT_EQ(main.at("NoOfRowsHeatpipe"), 2);
    EXPECT_EQ(main.at("ConnectionSize"), "2 x 3 inch");
    // Floats print as their shortest text, not as the double they widen to.
    EXPECT_NE(run.out.find("\"DryBulb_2\": 27.1,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"Enthaply_2\": 81.19,"), std::string::npos);
    EXPECT_EQ(main.begin().key(), "DryBulb_2"); // interface order
}

TEST(VexaCalc, JobsStartFromAFreshEngineAndKeepTheirOrder)
{
    const std::string input = std::string("[") + kSelection + R"(, {"Main": {}}, )" + kSelection + "]";
    const VexaRun run = runVexa("calc --compact", input);
    ASSERT_EQ(run.status, 0) << run.err;
    const Json results = Json::parse(run.out);
    ASSERT_EQ(results.size(), 3U);
    EXPECT_EQ(results[0], results[2]);
    // The second job knows nothing of the first: a fresh engine has no coil results.
    EXPECT_EQ(results[1]["Main"]["CoilCode"], "");
    EXPECT_EQ(results[1]["Main"]["NoOfRowsHeatpipe"], 0);
}

TEST(VexaCalc, RefusedLetsAndFailedCalculationsFailOnlyTheirJob)
{
    const std::string input = std::string("[") + R"({"Main": {"DryBulb_1": 60.5}},)" +
                              R"({"Main": {"HeatpipeType": 0, "OptMode": 1, "DryBulb_3": 14,
                                  "InletWaterTemp": 20, "OutletWaterTemp": 25}},)" +
                              kSelection + "]";
    const VexaRun run = runVexa("calc", input);
    ASSERT_EQ(run.status, 0) << run.err;
    const Json results = Json::parse(run.out);
    EXPECT_EQ(results[0], Json::parse(R"({"error": {"number": 13,
        "description": "The Dry Bulb_1 must be between the values -21 and 60", "at": "Main.DryBulb_1"}})"));
    EXPECT_EQ(results[1]["error"]["number"], 0);
    EXPECT_EQ(results[1]["error"]["at"], "Main.InitiateMainCalculations");
    EXPECT_TRUE(results[2].contains("Main"));
}

TEST(VexaCalc, BadInputValuesAreReportedWithStatusTwo)
{
    // clang-format off
    const struct { const char* job; const char* at; } cases[] = {
        {R"({"Main": {"DryBulb_1": "33"}})",        "Main.DryBulb_1"},    // a string for a number
        {R"({"Main": {"Finned_Height": 1e12}})",    "Main.Finned_Height"},// does not fit 32 bits
        {R"({"Main": {"NoSuchThing": 1}})",         "Main.NoSuchThing"},
        {R"({"Main": {"DryBulb_2": 20}})",          "Main.DryBulb_2"},    // read-only
        {R"({"Main": {"OptMode": 0.5}})",           "Main.OptMode"},
        {R"({"Main": {"TubeDiameter": 12}})",       "Main.TubeDiameter"}, // a number for a text
        {R"({"Mian": {}})",                         "Mian"},
        {R"({})",                                   "Main"},              // no Main at all
        {R"(42)",                                   "job"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const VexaRun run = runVexa("calc", std::string("[") + c.job + "," + kSelection + "]");
        EXPECT_EQ(run.status, 2) << c.job;
        EXPECT_NE(run.err.find(c.at), std::string::npos) << c.job << ": " << run.err;
        const Json results = Json::parse(run.out);
        EXPECT_EQ(results[0]["error"]["at"], c.at) << c.job;
        EXPECT_TRUE(results[1].contains("Main")) << "the good job still runs after " << c.job;
    }
}

TEST(VexaCalc, HugeNumbersAreRefusedByTheBounds)
{
    const VexaRun run = runVexa("calc", R"({"Main": {"AirFlowRate": 1e300}})");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Json::parse(run.out)["error"]["description"],
              "The air flow rate must be between the values 0.1 and 25");
}

TEST(VexaCalc, MalformedJsonIsAClearErrorWithStatusTwo)
{
    for (const char* input :
         {R"({"Main": {"DryBulb_1": NaN}})", "{\"Main\": ", R"({"Main": {"DryBulb_1": 1e400}})", ""}) {
        const VexaRun run = runVexa("calc", input);
        EXPECT_EQ(run.status, 2) << input;
        EXPECT_NE(run.err.find("not valid JSON"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(VexaCalc, HelpShowsAnExample)
{
    const VexaRun run = runVexa("calc --help", "");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("vexa calc"), std::string::npos);
    EXPECT_NE(run.out.find("\"Main\""), std::string::npos);
}

} // namespace

namespace {

TEST(VexaChart, PlotsTheCalculatedStatesAndPrintsTheWorkbook)
{
    const std::string folder = ::testing::TempDir() + "vexa_chart_cli_" + std::to_string(getpid());
    std::filesystem::remove_all(folder);
    const std::string environment = "ARDELVEXA_NO_OPEN=1 ARDELVEXA_OUTPUT_DIR=" + folder + " ";
    const VexaRun run = runVexa("chart", kSelection, environment);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string path = run.out.substr(0, run.out.find('\n'));
    EXPECT_EQ(path, folder + "/Psychrometric chart.xlsx");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_NE(run.err.find("saved as " + path), std::string::npos) << run.err;

    // clang-format off
    const struct { std::string input; int status; const char* message; } failures[] = {
        {R"({"Main": {"DryBulb_1": 55, "DryBulb_3": 14, "NoOfRowsHeatpipe": 2, "FPI_Heatpipe": 8}})",
         1, "Conditions not suitable for psychrometric chart."},
        {std::string("[") + kSelection + "]", 2, "one job"},
        {R"({"Main": {"DryBulb_1": 61}})", 1, "The Dry Bulb_1 must be between the values -21 and 60"},
    };
    // clang-format on
    for (const auto& f : failures) {
        const VexaRun failed = runVexa("chart", f.input, environment);
        EXPECT_EQ(failed.status, f.status) << f.input;
        EXPECT_NE(failed.err.find(f.message), std::string::npos) << failed.err;
    }
    std::filesystem::remove_all(folder);
}

} // namespace
