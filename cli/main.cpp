#include "ChartCommand.h"
#include "GaCommand.h"
#include "JobRunner.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

constexpr const char* kCalcHelp = R"(Runs design calculations from JSON.

Reads FILE (or standard input when FILE is missing or "-"): one job object or an
array of them. A job sets the properties of the design engine's Main object in
the order written, runs the calculation and prints every result:

  echo '{"Main": {"OptMode": 0, "Finned_Height": 1200, "TubeDiameter": "12",
                  "DryBulb_1": 33, "WetBulb_1": 27.5, "DryBulb_4": 18,
                  "WetBulb_4": 14}}' | vexa calc

prints {"Main": {"DryBulb_2": 27.1, ...}}. Enumerations are their whole-number
values (OptMode 0 selection, 1 rating; HeatpipeType 0 chilled water, 1 heat pipe
only, 2 refrigerant), texts are strings, numbers are numbers. Each job starts from
a fresh engine, as a new run of the program would.

A job may also price the unit and work out its savings from weather bins:

  {"Main": {...},
   "Cost": {"HeatpipeStyle": 0, "Margin": 35, "ExchangeRate": 1.6},
   "Bin": {"City": 7}}

sets the Cost properties in the order written after the design calculation, runs
the costing and adds "Cost": {"Sizes": ..., "ExWorksPriceSterling": ..., ...};
"Bin" (which implies "Cost") chooses the city, works out the bin savings and adds
"Bin": {"BinAnnualPreCoolSaving": ..., ...}. HeatpipeStyle 0 horseshoe, 1 straight,
2 combination; a Margin must lie between 1 and 99.

A refused value or a failed calculation gives that job
{"error": {"number": 13, "description": "...", "at": "Main.DryBulb_1"}} (or "Cost.X",
"Bin.X"); the other
jobs still run. Malformed JSON, an unknown property or a value of the wrong type
is reported on standard error and the exit status is 2.)";

constexpr const char* kChartHelp =
    R"(Runs one job's calculation (as vexa calc does), plots its four air states on
the psychrometric chart and prints the path of the chart workbook written in the
output folder (ARDELVEXA_OUTPUT_DIR, else ~/Documents/ArdelVexa). The workbook is
opened with the desktop's default application unless ARDELVEXA_NO_OPEN=1.
States warmer than 50 degC or wetter than 0.03 kg/kg do not fit the chart: exit
status 1 with "Conditions not suitable for psychrometric chart.".)";

constexpr const char* kGaHelp =
    R"(Runs one job's calculation and costing (as vexa calc does), then makes the
general arrangement drawing of a straight or horseshoe heat pipe and prints the
path of the document written in the output folder (ARDELVEXA_OUTPUT_DIR, else
~/Documents/ArdelVexa). Besides "Main" and "Cost" the job holds one of

  "Straight": {"SupplyAir": 900, "ExtractAir": 900, "Centre_Flange_Width": 50,
               "FinnedLength": 1900, "Overall_Width": 2000, "Orientation": 0,
               "Overall_Height": 942}
  "Horseshoe": {"TubeDiameter": "12", "NumberOfTubesHigh": 20, "NumberOfRows": 3,
                "Internal_Baffle": 60, "External_Baffle": 120, "Internal_Depth": 360,
                "Overall_Height": 816, "AirFlowDirection": "L",
                "Customer_Ref": "C-10442", "Project_Ref": "RIVERSIDE OFFICES"}

whose properties are set in the order written after the costing: the straight
flange depth is worked out when Overall_Width is set and the flange width when
Overall_Height is set, so set the sections (and Cost's Orienitation) first.
Orientation 0 horizontal, 1 vertical; AirFlowDirection "L" left hand, any other
text right hand. The document is opened with the desktop's default application
unless ARDELVEXA_NO_OPEN=1. Exit status 2 for a problem with the input, 1 when a
value is refused or no document could be made (a missing template).)";

// Reads and parses the JSON of a file or of standard input; nullopt after saying why.
std::optional<vexa::cli::Json> readInput(const std::string& file)
{
    std::stringstream text;
    if (file.empty() || file == "-") {
        text << std::cin.rdbuf();
    } else {
        std::ifstream in(file);
        if (!in) {
            std::cerr << "vexa: cannot read " << file << "\n";
            return std::nullopt;
        }
        text << in.rdbuf();
    }
    try {
        return vexa::cli::Json::parse(text.str());
    } catch (const vexa::cli::Json::exception& e) {
        // Also a number beyond the range of a double, which JSON allows but no engine
        // value can hold.
        std::cerr << "vexa: the input is not valid JSON: " << e.what() << "\n";
        return std::nullopt;
    }
}

int runCalc(const std::string& file, bool compact)
{
    const std::optional<vexa::cli::Json> parsed = readInput(file);
    if (!parsed) {
        return 2;
    }
    const vexa::cli::Json& input = *parsed;

    const bool many = input.is_array();
    const vexa::cli::Json jobs = many ? input : vexa::cli::Json::array({input});
    vexa::cli::Json results = vexa::cli::Json::array();
    int status = 0;
    size_t index = 0;
    for (const vexa::cli::Json& job : jobs) {
        ++index;
        vexa::cli::JobOutcome outcome = vexa::cli::runJob(job);
        for (const std::string& problem : outcome.inputProblems) {
            std::cerr << "vexa: job " << index << ": " << problem << "\n";
            status = 2;
        }
        results.push_back(std::move(outcome.result));
    }
    const vexa::cli::Json& output = many ? results : results.front();
    std::cout << (compact ? output.dump() : output.dump(2)) << "\n";
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"vexa: the Ardel Vexa heat pipe design and costing engine on the command line"};
    app.require_subcommand(1);

    std::string file;
    bool compact = false;
    app.footer(std::string("\nvexa calc [FILE]: ") + kCalcHelp);
    CLI::App* calc = app.add_subcommand("calc", "Runs design calculations from JSON jobs");
    calc->footer(std::string("\n") + kCalcHelp);
    calc->add_option("FILE", file, "JSON job file; standard input when missing or -");
    calc->add_flag("--compact", compact, "print the result on one line");

    std::string chartFile;
    CLI::App* chart = app.add_subcommand("chart", "Plots a job's air states on the psychrometric chart");
    chart->add_option("FILE", chartFile, "JSON job file; standard input when missing or -");
    chart->footer(std::string("\n") + kChartHelp);

    std::string gaFile;
    CLI::App* ga = app.add_subcommand("ga", "Makes the general arrangement drawing of a job's heat pipe");
    ga->add_option("FILE", gaFile, "JSON job file; standard input when missing or -");
    ga->footer(std::string("\n") + kGaHelp);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    if (calc->parsed()) {
        return runCalc(file, compact);
    }
    if (chart->parsed()) {
        const std::optional<vexa::cli::Json> job = readInput(chartFile);
        if (!job) {
            return 2;
        }
        if (job->is_array()) {
            std::cerr << "vexa: chart takes one job, not an array\n";
            return 2;
        }
        return vexa::cli::runChart(*job, std::cout, std::cerr);
    }
    if (ga->parsed()) {
        const std::optional<vexa::cli::Json> job = readInput(gaFile);
        if (!job) {
            return 2;
        }
        if (job->is_array()) {
            std::cerr << "vexa: ga takes one job, not an array\n";
            return 2;
        }
        return vexa::cli::runGa(*job, std::cout, std::cerr);
    }
    return 0;
}
