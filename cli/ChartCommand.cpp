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
    using Setter = void (Psychrometric::*)(double);
    const Setter dryBulbs[] = {&Psychrometric::setDB1, &Psychrometric::setDB2, &Psychrometric::setDB3,
                               &Psychrometric::setDB4};
    const Setter wetBulbs[] = {&Psychrometric::setWB1, &Psychrometric::setWB2, &Psychrometric::setWB3,
                               &Psychrometric::setWB4};
    const Setter humidities[] = {&Psychrometric::setRH1, &Psychrometric::setRH2, &Psychrometric::setRH3,
                                 &Psychrometric::setRH4};
    const Setter ratios[] = {&Psychrometric::setW1, &Psychrometric::setW2, &Psychrometric::setW3,
                             &Psychrometric::setW4};
    const Setter enthalpies[] = {&Psychrometric::setE1, &Psychrometric::setE2, &Psychrometric::setE3,
                                 &Psychrometric::setE4};
    for (int i = 0; i < 4; ++i) {
        const AirState& state = ds.air.at(static_cast<size_t>(i + 1));
        (chart.*dryBulbs[i])(state.dryBulb);
        (chart.*wetBulbs[i])(state.wetBulb);
        (chart.*humidities[i])(state.relativeHumidity);
        (chart.*ratios[i])(state.humidityRatio);
        (chart.*enthalpies[i])(state.enthalpy);
    }
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
