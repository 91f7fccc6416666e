#include "GaCommand.h"

#include "JobRunner.h"

#include "costing/Cost.h"
#include "design/Main.h"
#include "ga/Horseshoe.h"
#include "ga/Straight.h"

#include <filesystem>
#include <ostream>

namespace vexa::cli {

namespace {

// What the drawing object left: its document, or why there is none.
struct Drawn {
    std::filesystem::path document;
    bool shown = false;
    std::string message;
};

template <typename Drawing>
Drawn drawnBy(const Drawing& drawing)
{
    return {drawing.DocumentPath(), drawing.DocumentShown(), drawing.DocumentMessage()};
}

} // namespace

int runGa(const Json& job, std::ostream& out, std::ostream& err)
{
    Drawn drawn;
    const JobOutcome outcome = runDrawingJob(job, [&](Main& main, const std::string& part) {
        Cost& cost = main.Cost();
        if (part == "Straight") {
            cost.Straight().CreateGA();
            drawn = drawnBy(cost.Straight());
        } else {
            cost.Horseshoe().GA();
            drawn = drawnBy(cost.Horseshoe());
        }
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
    if (drawn.document.empty()) {
        err << "vexa: " << drawn.message << "\n";
        return 1;
    }
    out << drawn.document.string() << "\n";
    if (!drawn.shown) {
        err << "vexa: " << drawn.message << "\n";
    }
    return 0;
}

} // namespace vexa::cli
