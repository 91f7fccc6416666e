// Time to make one general arrangement document: the template read, its
// dimension and reference bookmarks filled, the document saved under a new name.
// Saving alone is measured too, as it is the part that touches the disk.
#include "ga/DocumentLayer.h"
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

} // namespace

BENCHMARK_MAIN();
