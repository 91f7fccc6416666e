#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

// The rating example as a horseshoe heat pipe alone, priced at 35 %.
const char* kCosting = R"({"Main": {"OptMode": 1, "Finned_Height": 1200, "TubeDiameter": "12",
    "VexaApplicationType": 0, "DryBulb_1": 33, "WetBulb_1": 27.5, "DryBulb_3": 14, "NoOfRowsHeatpipe": 2,
    "FPI_Heatpipe": 8}, "Cost": {"HeatpipeStyle": 0, "Margin": 35, "EnergyCost": 0.01}, "Bin": {"City": 7}})";

TEST(VexaCalc, CostingAndBinSavingsEndToEnd)
{
    const VexaRun run = runVexa("calc", kCosting);
    ASSERT_EQ(run.status, 0) << run.err;
    const Json result = Json::parse(run.out);
    EXPECT_EQ(result.at("Cost"), Json::parse(R"({"Sizes": "1235x1980x510", "ExWorksPriceSterling": 1508,
        "ApproxiamateWeight": 111.0, "ExWorksPriceForeign": 1309, "AnnualPrecoolSaving": 289.0,
        "AnnualReheatSaving": 867.0, "PaybackPeriod": 14.0, "AnnualCostSaving": 1156.0})"));
    // Doha's bins at 0.01 per kWh: 188808 kWh; each bin's money rounded, 1888 a
    // year; 1508 / 1888 x 12 = 9.6 months.
    EXPECT_EQ(result.at("Bin"), Json::parse(R"({"BinAnnualPreCoolSaving": 472.0,
        "BinAnnualReHeatSaving": 1416.0, "BinPaybackPeriod": 10.0, "BinAnnualCostSaving": 1888.0})"));
    // The Cost results are read before the bin payback replaces the Cost's.
    std::vector<std::string> parts;
    for (const auto& [key, value] : result.items()) {
        parts.push_back(key);
    }
    EXPECT_EQ(parts, (std::vector<std::string>{"Main", "Cost", "Bin"}));
}

TEST(VexaCalc, CostingPartsAreOptionalAndBinImpliesCost)
{
    const VexaRun run = runVexa("calc --compact", std::string("[") + kSelection + "," +
                                                      R"({"Main": {"DryBulb_3": 14, "NoOfRowsHeatpipe": 2,
                                                      "FPI_Heatpipe": 8}, "Bin": {}}])");
    ASSERT_EQ(run.status, 0) << run.err;
    const Json results = Json::parse(run.out);
    EXPECT_FALSE(results[0].contains("Cost"));
    EXPECT_FALSE(results[0].contains("Bin"));
    // Default costing options (a combination heat pipe at margin 0 cannot be
    // priced): the job fails at the costing.
    EXPECT_EQ(results[1]["error"]["at"], "Cost.InitiateCostingCalculations");
    EXPECT_EQ(results[1]["error"]["description"],
              "Price calculation: the margin must lie between 0.1 and 99.9 %");
}

TEST(VexaCalc, CostingErrorsNameTheirProperty)
{
    const std::string main = R"("Main": {"DryBulb_3": 14, "NoOfRowsHeatpipe": 2, "FPI_Heatpipe": 8})";
    // clang-format off
    const struct { std::string job; int number; const char* description; const char* at; } cases[] = {
        {"{" + main + R"(, "Cost": {"EnergyCost": 1000.5}})", 13,
         "The Energy Cost must be between the values 0.000001 and 1000", "Cost.EnergyCost"},
        {"{" + main + R"(, "Cost": {"ExchangeRate": 0}})", 13,
         "The Exchange Rate must be greater than 0.000001", "Cost.ExchangeRate"},
        {"{" + main + R"(, "Cost": {"DrainpanType": 4}})", 13, "Invalid Drainpan Type Selected", "Cost.DrainpanType"},
        {"{" + main + R"(, "Cost": {"Margin": 100}})", 0,
         "Price calculation: the margin must lie between 0.1 and 99.9 %", "Cost.InitiateCostingCalculations"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const VexaRun run = runVexa("calc", c.job);
        ASSERT_EQ(run.status, 0) << run.err;
        const Json error = Json::parse(run.out).at("error");
        EXPECT_EQ(error["number"], c.number) << c.job;
        EXPECT_EQ(error["description"], c.description) << c.job;
        EXPECT_EQ(error["at"], c.at) << c.job;
    }

    // A value of the wrong kind or an unknown name is an input problem.
    // clang-format off
    const struct { std::string job; const char* at; } inputs[] = {
        {"{" + main + R"(, "Cost": {"Margin": 40000}})",      "Cost.Margin"}, // beyond 16 bits
        {"{" + main + R"(, "Cost": {"OptEliminators": 1}})",  "Cost.OptEliminators"},
        {"{" + main + R"(, "Cost": {"Sizes": "1x1x1"}})",     "Cost.Sizes"},
        {"{" + main + R"(, "Cost": {"Margin": 35}, "Bin": {"Town": 3}})",             "Bin.Town"},
        {"{" + main + R"(, "Cost": {"Margin": 35}, "Bin": {"City": 1.5}})",           "Bin.City"},
        {"{" + main + R"(, "Cost": [1]})",                    "Cost"},
    };
    // clang-format on
    for (const auto& c : inputs) {
        const VexaRun run = runVexa("calc", c.job);
        EXPECT_EQ(run.status, 2) << c.job;
        EXPECT_EQ(Json::parse(run.out)["error"]["at"], c.at) << c.job;
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
