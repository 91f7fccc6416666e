#include "ChartCommand.h"

#include "JobRunner.h"

#include "design/DesignState.h"
#include "design/Main.h"
#include "design/Psychrometric.h"

#include <ostream>

namespace vexa::cli {

namespace {

// The chart shows up to 50 degC and 0.03 kg/kg.
constexpr float kHighestDryBulb_C = 50;
constexpr float kHighestHumidityRatio = 0.03F;

bool fitsTheChart(const DesignState& ds)
{
    for (int i = 1; i <= 4; ++i) {
        if (ds.air[i].dryBulb > kHighestDryBulb_C || ds.air[i].humidityRatio > kHighestHumidityRatio) {
            return false;
        }
    }
    return true;
}

// Hands the engine's stored states to the chart object, as the window hands the
// texts of its boxes.
void plot(Main& main)
{
    const DesignState& ds = designState();
    Psychrometric& chart = main.Psychrometric();
    chart.setDB1(ds.air[1].dryBulb);
    chart.setWB1(ds.air[1].wetBulb);
    chart.setRH1(ds.air[1].relativeHumidity);
    chart.setW1(ds.air[1].humidityRatio);
    chart.setE1(ds.air[1].enthalpy);
    chart.setDB2(ds.air[2].dryBulb);
    chart.setWB2(ds.air[2].wetBulb);
    chart.setRH2(ds.air[2].relativeHumidity);
    chart.setW2(ds.air[2].humidityRatio);
    chart.setE2(ds.air[2].enthalpy);
    chart.setDB3(ds.air[3].dryBulb);
    chart.setWB3(ds.air[3].wetBulb);
    chart.setRH3(ds.air[3].relativeHumidity);
    chart.setW3(ds.air[3].humidityRatio);
    chart.setE3(ds.air[3].enthalpy);
    chart.setDB4(ds.air[4].dryBulb);
    chart.setWB4(ds.air[4].wetBulb);
    chart.setRH4(ds.air[4].relativeHumidity);
    chart.setW4(ds.air[4].humidityRatio);
    chart.setE4(ds.air[4].enthalpy);
    chart.HumidityRatio();
}

} // namespace

int runChart(const Json& job, std::ostream& out, std::ostream& err)
{
    bool unsuitable = false;
    std::filesystem::path workbook;
    bool shown = false;
    const JobOutcome outcome = runJob(job, "Psychrometric.HumidityRatio", [&](Main& main) {
        if (!fitsTheChart(designState())) {
            unsuitable = true;
            return;
        }
        plot(main);
        workbook = main.Psychrometric().WorkbookPath();
        shown = main.Psychrometric().WorkbookShown();
    });
    for (const std::string& problem : outcome.inputProblems) {
        err << "vexa: " << problem << "\n";
    }
    if (!outcome.inputProblems.empty()) {
        return 2;
    }
    if (outcome.result.contains("error")) {
        err << "vexa: " << outcome.result["error"]["at"].get<std::string>() << ": "
            << outcome.result["error"]["description"].get<std::string>() << "\n";
        return 1;
    }
    if (unsuitable) {
        err << "vexa: Conditions not suitable for psychrometric chart.\n";
        return 1;
    }
    out << workbook.string() << "\n";
    if (!shown) {
        err << "vexa: the chart workbook was saved as " << workbook.string() << "\n";
    }
    return 0;
}

} // namespace vexa::cli
