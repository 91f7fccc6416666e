// Time of one main calculation for the worked examples, and of one saturation
// pressure evaluation, the step no calculation can avoid. The counter
// "evaluations" is the number of saturation pressures one calculation works out.
#include "EngineState.h"
#include "design/Main.h"
#include "design/Psychrometric.h"
#include "design/Psycrometric.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace vexa;

enum class Example { Selection, Rating, ChilledWater, Refrigerant };

void setUp(Main& main, Example example)
{
    main.setOptMode(example == Example::Rating ? SELECTorRATE::Rating_Mode : SELECTorRATE::Selection_Mode);
    main.setOptWetBulb(WBorRH::Wet_Bulb);
    main.setFinned_Height(1200);
    main.setFinned_Width(1800);
    main.setAirFlowRate(5);
    main.setTubeDiameter("12");
    main.setDryBulb_1(33);
    main.setWetBulb_1(27.5F);
    main.setDryBulb_4(18);
    main.setWetBulb_4(14);
    main.setDryBulb_3(14);
    main.setNoOfRowsHeatpipe(2);
    main.setFPI_Heatpipe(8);
    switch (example) {
    case Example::ChilledWater:
        main.setHeatpipeType(Heatpipe::Chilled_Water);
        break;
    case Example::Refrigerant:
        main.setHeatpipeType(Heatpipe::Refrigerant);
        break;
    default:
        main.setHeatpipeType(Heatpipe::Heat_Pipe_Only);
    }
}

void BM_InitiateMainCalculations(benchmark::State& state, Example example)
{
    resetEngineState();
    Main main;
    setUp(main, example);
    main.InitiateMainCalculations(); // the first run fills the off-coil search table
    const uint64_t before = Psycrometric::saturationPressureEvaluations();
    for (auto _ : state) {
        main.InitiateMainCalculations();
    }
    const double evaluations = static_cast<double>(Psycrometric::saturationPressureEvaluations() - before) /
                               static_cast<double>(state.iterations());
    state.counters["evaluations"] = evaluations;
}

BENCHMARK_CAPTURE(BM_InitiateMainCalculations, selection, Example::Selection);
BENCHMARK_CAPTURE(BM_InitiateMainCalculations, rating, Example::Rating);
BENCHMARK_CAPTURE(BM_InitiateMainCalculations, chilled_water, Example::ChilledWater);
BENCHMARK_CAPTURE(BM_InitiateMainCalculations, refrigerant, Example::Refrigerant);

void BM_SaturationPressure(benchmark::State& state)
{
    double t = 27.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Psycrometric::SaturationPressure(t));
        t = t == 27.5 ? 27.51 : 27.5;
    }
}
BENCHMARK(BM_SaturationPressure);

// Each evaluation waits for the one before, as the passes of the wet bulb
// relaxation do: the baseline a calculation is compared with.
void BM_SaturationPressureChained(benchmark::State& state)
{
    double t = 27.5;
    for (auto _ : state) {
        const double pws = Psycrometric::SaturationPressure(t);
        t = 27.5 + pws * 1e-12;
    }
    benchmark::DoNotOptimize(t);
}
BENCHMARK(BM_SaturationPressureChained);

// One psychrometric chart workbook written (and not opened), as "Psych" does.
void BM_ChartWorkbook(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vexa_chart_bench";
    setenv("ARDELVEXA_OUTPUT_DIR", folder.c_str(), 1);
    setenv("ARDELVEXA_NO_OPEN", "1", 1);
    resetEngineState();
    Main main;
    setUp(main, Example::Selection);
    main.InitiateMainCalculations();
    Psychrometric& chart = main.Psychrometric();
    chart.setDB1(33), chart.setWB1(27.5), chart.setDB2(27.1), chart.setWB2(26.2);
    chart.setDB3(12.1), chart.setWB3(11.7), chart.setDB4(18), chart.setWB4(14);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(folder); // keep the first free name quick to find
        state.ResumeTiming();
        chart.HumidityRatio();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ChartWorkbook)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
