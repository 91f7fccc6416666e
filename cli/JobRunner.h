#pragma once

#include "JsonValues.h"

#include <functional>
#include <string>
#include <vector>

namespace vexa {
class Main;
}

namespace vexa::cli {

// The outcome of one job: the result object to print, and the input problems
// (wrong type, unknown name) to report on standard error.
struct JobOutcome {
    Json result;
    std::vector<std::string> inputProblems;
};

// Runs one job from a fresh engine state: the Main lets in the order written, then
// the calculation; with "Cost" (or "Bin") the Cost lets and the costing; with
// "Bin" the Bin lets and the bin savings. Never throws: a refused let, a failed calculation or a bad input
// value becomes {"error": {"number", "description", "at"}}.
JobOutcome runJob(const Json& job);

// The same, then a further step with the calculated Main; what it throws fails the
// job "at" the name given.
JobOutcome runJob(const Json& job, const std::string& stepName, const std::function<void(Main&)>& step);

// A job that makes a drawing: besides "Main" and "Cost", exactly one of "Straight"
// or "Horseshoe". The costing always runs; then the lets of that drawing object in
// the order written, then draw(main, part) with part "Straight" or "Horseshoe";
// what it throws fails the job at "Straight.CreateGA" or "Horseshoe.GA".
JobOutcome runDrawingJob(const Json& job, const std::function<void(Main&, const std::string& part)>& draw);

} // namespace vexa::cli
