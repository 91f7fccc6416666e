// Time to make one general arrangement document: the template read, its
// dimension and reference bookmarks filled, the document saved under a new name.
// Saving alone is measured too, as it is the part that touches the disk. The
// engine's own Straight.CreateGA and Horseshoe.GA are measured end to end.
#include "EngineState.h"
#include "costing/Cost.h"
#include "design/DesignState.h"
#include "design/Main.h"
#include "ga/DocumentLayer.h"
#include "ga/Horseshoe.h"
#include "ga/Straight.h"
#include "ga/WordDocument.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

using namespace vexa::ga;

const std::vector<std::pair<const char*, const char*>> kStraightValues = {
    {"OverallHeight", "1204.0"},
    {"OverallWidth", "2310.0"},
    {"OverallDepth", "365.0"},
    {"SupplyAir", "1000.0"},
    {"FinnedLength", "2130.0"},
    {"FlangeWidth1", "219.0"},
    {"FlangeWidth2", "219.0"},
    {"ExtractAir", "1050.0"},
    {"CentreFlangeWidth1", "40.0"},
    {"CentreFlangeWidth2", "40.0"},
    {"FlangeDepth1", "90.0"},
    {"FlangeDepth2", "90.0"},
    {"Stacked", ""},
    {"CustomerRef", "C-10442"},
    {"ProjectName", "RIVERSIDE OFFICES"},
    {"HeatpipeCode", "12HP 8. 4 - 20T x 1800"},
    {"Date", "14/03/2025"},
};

std::filesystem::path benchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vexa-ga-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    return pattern;
}

void BM_StraightGaDocument(benchmark::State& state)
{
    const auto templateFile = templatesFolder() / "HorizontalStraightHeatpipeDrainpan.dotx";
    const auto folder = benchFolder();
    for (auto _ : state) {
        WordDocument doc = WordDocument::fromTemplate(templateFile);
        for (const auto& [bookmark, value] : kStraightValues) {
            doc.setBookmarkTextIfPresent(bookmark, value);
        }
        benchmark::DoNotOptimize(doc.saveAs(folder, "HorizontalStraightHeatpipeDrainpan"));
        state.PauseTiming();
        // Only a few names taken: the search for a free name stays as in use.
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::filesystem::remove(entry.path());
        }
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StraightGaDocument)->Unit(benchmark::kMillisecond);

void BM_FillBookmarksOnly(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        WordDocument doc =
            WordDocument::fromTemplate(templatesFolder() / "HorizontalStraightHeatpipeDrainpan.dotx");
        state.ResumeTiming();
        for (const auto& [bookmark, value] : kStraightValues) {
            doc.setBookmarkTextIfPresent(bookmark, value);
        }
        benchmark::DoNotOptimize(doc);
    }
}
BENCHMARK(BM_FillBookmarksOnly)->Unit(benchmark::kMillisecond);

// A unit as a selection leaves it: 20 tubes high, 1800 mm, 8 fins per inch, 4 rows.
void setUnit()
{
    vexa::DesignState& ds = vexa::designState();
    ds.finnedHeight_mm = 770;
    ds.finnedWidth_mm = 1800;
    ds.finnedLength_mm = 1800;
    ds.tubesHigh = 20;
    ds.heatpipeFinsPerInch = 8;
    ds.heatpipeRows = 4;
}

// Every document the engine makes goes to a folder of the benchmark's, unopened.
template <typename Drawing>
void measureEngineDrawing(benchmark::State& state, Drawing& drawing, void (Drawing::*make)())
{
    const auto folder = benchFolder();
    ::setenv("ARDELVEXA_OUTPUT_DIR", folder.c_str(), 1);
    ::setenv("ARDELVEXA_NO_OPEN", "1", 1);
    for (auto _ : state) {
        (drawing.*make)();
        benchmark::DoNotOptimize(drawing.DocumentPath());
        state.PauseTiming();
        if (drawing.DocumentPath().empty()) {
            state.SkipWithError("no document made");
            break;
        }
        std::filesystem::remove(drawing.DocumentPath());
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
}

void BM_StraightCreateGA(benchmark::State& state)
{
    vexa::resetEngineState();
    vexa::Main main;
    setUnit();
    main.Cost().setDrainpanType(vexa::Drainpan::Flat);
    vexa::Straight& straight = main.Cost().Straight();
    straight.setSupplyAir(1000);
    straight.setExtractAir(1050);
    straight.setCentre_Flange_Width(40);
    straight.setFinnedLength(2130);
    straight.setOverall_Width(2310);
    straight.setOverall_Height(1204);
    measureEngineDrawing(state, straight, &vexa::Straight::CreateGA);
}
BENCHMARK(BM_StraightCreateGA)->Unit(benchmark::kMillisecond);

void BM_HorseshoeGA(benchmark::State& state)
{
    vexa::resetEngineState();
    vexa::Main main;
    setUnit();
    vexa::Horseshoe& horseshoe = main.Cost().Horseshoe();
    horseshoe.setTubeDiameter("12");
    horseshoe.setNumberOfTubesHigh(20);
    horseshoe.setNumberOfRows(3);
    horseshoe.setInternal_Baffle(60);
    horseshoe.setExternal_Baffle(120);
    horseshoe.setInternal_Depth(360);
    horseshoe.setOverall_Height(816);
    horseshoe.setAirFlowDirection("L");
    horseshoe.setCustomer_Ref("C-10442");
    horseshoe.setProject_Ref("RIVERSIDE OFFICES");
    measureEngineDrawing(state, horseshoe, &vexa::Horseshoe::GA);
}
BENCHMARK(BM_HorseshoeGA)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
