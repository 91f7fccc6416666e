// Time of one main calculation for the worked examples, and of one saturation
// pressure evaluation, the step no calculation can avoid. The counter
// "evaluations" is the number of saturation pressures one calculation works out.
#include "EngineState.h"
#include "design/Main.h"
#include "design/Psycrometric.h"

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK_MAIN();
