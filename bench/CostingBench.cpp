// Time of one costing (price, weight and size) for a horseshoe, a straight and a
// chilled water unit, and of the bin savings of one city without windows.
#include "EngineState.h"
#include "bindata/Bin.h"
#include "costing/Cost.h"
#include "design/Main.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vexa;

enum class Unit { Horseshoe, Straight, ChilledWater };

// The rating example (1200 x 1800 mm, 2 rows at 8 fins per inch, DB3 14) or, with
// chilled water, the selection example; designed once, then costed.
void design(Main& main, Unit unit)
{
    const bool chilledWater = unit == Unit::ChilledWater;
    main.setOptMode(chilledWater ? SELECTorRATE::Selection_Mode : SELECTorRATE::Rating_Mode);
    main.setHeatpipeType(chilledWater ? Heatpipe::Chilled_Water : Heatpipe::Heat_Pipe_Only);
    main.setVexaApplicationType(VexaType::UK);
    main.setFinned_Height(1200);
    main.setFinned_Width(1800);
    main.setTubeDiameter("12");
    main.setDryBulb_1(33);
    main.setWetBulb_1(27.5F);
    main.setDryBulb_4(18);
    main.setWetBulb_4(14);
    main.setDryBulb_3(14);
    main.setNoOfRowsHeatpipe(2);
    main.setFPI_Heatpipe(8);
    main.InitiateMainCalculations();

    Cost& cost = main.Cost();
    cost.setHeatpipeStyle(unit == Unit::Straight ? HeatpipeStyling::Straight_Heatpipe
                                                 : HeatpipeStyling::Horseshoe_Heatpipe);
    cost.setDrainpanType(Drainpan::Sloping);
    cost.setOptEliminators(unit == Unit::Straight);
    cost.setMargin(35);
    cost.setExchangeRate(1.6);
}

void BM_InitiateCostingCalculations(benchmark::State& state, Unit unit)
{
    resetEngineState();
    Main main;
    design(main, unit);
    Cost& cost = main.Cost();
    for (auto _ : state) {
        cost.InitiateCostingCalculations();
        benchmark::DoNotOptimize(cost.ExWorksPriceSterling());
    }
}

BENCHMARK_CAPTURE(BM_InitiateCostingCalculations, horseshoe, Unit::Horseshoe);
BENCHMARK_CAPTURE(BM_InitiateCostingCalculations, straight, Unit::Straight);
BENCHMARK_CAPTURE(BM_InitiateCostingCalculations, chilled_water, Unit::ChilledWater);

// Headless: no bin windows presenter is set, so UseBinData only calculates.
void BM_UseBinData(benchmark::State& state)
{
    resetEngineState();
    Main main;
    design(main, Unit::Horseshoe);
    main.Cost().InitiateCostingCalculations();
    Bin& bin = main.Cost().Bin();
    bin.setCity(Country::Qatar_Doha);
    for (auto _ : state) {
        bin.UseBinData();
        benchmark::DoNotOptimize(bin.BinAnnualCostSaving());
    }
}
BENCHMARK(BM_UseBinData);

} // namespace

BENCHMARK_MAIN();
