#include "JobRunner.h"

#include "BinProperties.h"
#include "CostProperties.h"
#include "GaProperties.h"
#include "MainProperties.h"

#include "EngineState.h"
#include "common/EngineError.h"
#include "costing/Cost.h"
#include "design/Main.h"

namespace vexa::cli {

namespace {

// Carries where a job failed, for its error object.
struct JobFailure {
    int32_t number;
    std::string description;
    std::string at;
    bool inputProblem;
};

Json errorObject(const JobFailure& failure)
{
    Json error;
    error["number"] = failure.number;
    error["description"] = failure.description;
    error["at"] = failure.at;
    return Json{{"error", error}};
}

JobFailure inputFailure(const std::string& at, const std::string& what)
{
    return {EngineError::kTypeMismatch, at + ": " + what, at, true};
}

template <typename Object>
void applyLets(Object& object, const PropertyTable<Object>& table, const Json& lets,
               const std::string& section)
{
    if (!lets.is_object()) {
        throw inputFailure(section, "expected an object of property values");
    }
    for (const auto& [name, value] : lets.items()) {
        const std::string at = section + "." + name;
        const Property<Object>* property = findProperty(table, name);
        if (property == nullptr) {
            throw inputFailure(at, "no such property");
        }
        if (!property->let) {
            throw inputFailure(at, "the property can only be read");
        }
        try {
            property->let(object, value);
        } catch (const InputError& e) {
            throw inputFailure(at, e.what());
        } catch (const EngineError& e) {
            throw JobFailure{e.number(), e.description(), at, false};
        }
    }
}

template <typename Object>
Json readAll(Object& object, const PropertyTable<Object>& table)
{
    Json values = Json::object();
    for (const Property<Object>& property : table) {
        if (property.get) {
            values[property.name] = property.get(object);
        }
    }
    return values;
}

void run(const std::string& at, const auto& step)
{
    try {
        step();
    } catch (const EngineError& e) {
        throw JobFailure{e.number(), e.description(), at, false};
    } catch (const std::exception& e) {
        throw JobFailure{0, e.what(), at, false};
    }
}

// The costing and, when asked for, the bin savings of the unit the Main designed.
// "Cost" results are read right after the costing: the bin payback replaces the
// Cost's payback period.
void runCosting(Main& main, const Json& job, Json& result)
{
    Cost& cost = main.Cost();
    applyLets(cost, costProperties(), job.contains("Cost") ? job.at("Cost") : Json::object(), "Cost");
    run("Cost.InitiateCostingCalculations", [&] { cost.InitiateCostingCalculations(); });
    result["Cost"] = readAll(cost, costProperties());

    if (job.contains("Bin")) {
        Bin& bin = cost.Bin();
        applyLets(bin, binProperties(), job.at("Bin"), "Bin");
        run("Bin.UseBinData", [&] { bin.UseBinData(); });
        result["Bin"] = readAll(bin, binProperties());
    }
}

using DrawStep = std::function<void(Main&, const std::string& part)>;

// The drawing part of a job ("Straight" or "Horseshoe"), checked: exactly one.
std::string drawingPart(const Json& job)
{
    const bool straight = job.contains("Straight");
    const bool horseshoe = job.contains("Horseshoe");
    if (straight == horseshoe) {
        throw inputFailure("job", straight ? "give either \"Straight\" or \"Horseshoe\", not both"
                                           : "the job has no \"Straight\" or \"Horseshoe\" object");
    }
    return straight ? "Straight" : "Horseshoe";
}

// The lets of the drawing object, after the costing, then the drawing.
void runDrawing(Main& main, const Json& job, const std::string& part, const DrawStep& draw)
{
    Cost& cost = main.Cost();
    if (part == "Straight") {
        applyLets(cost.Straight(), straightProperties(), job.at(part), part);
        run(part + ".CreateGA", [&] { draw(main, part); });
    } else {
        applyLets(cost.Horseshoe(), horseshoeProperties(), job.at(part), part);
        run(part + ".GA", [&] { draw(main, part); });
    }
}

Json runChecked(const Json& job, const std::string& stepName, const std::function<void(Main&)>& step,
                const DrawStep& draw = {})
{
    if (!job.is_object()) {
        throw inputFailure("job", "expected an object with \"Main\"");
    }
    for (const auto& [key, value] : job.items()) {
        if (draw && (key == "Straight" || key == "Horseshoe")) {
            continue;
        }
        if (key != "Main" && key != "Cost" && key != "Bin") {
            throw inputFailure(key, draw ? "unknown part of a job (expected \"Main\", \"Cost\", \"Bin\", "
                                           "\"Straight\" or \"Horseshoe\")"
                                         : "unknown part of a job (expected \"Main\", \"Cost\" or \"Bin\")");
        }
    }
    if (!job.contains("Main")) {
        throw inputFailure("Main", "the job has no \"Main\" object");
    }
    const std::string part = draw ? drawingPart(job) : std::string();

    resetEngineState();
    Main main;
    applyLets(main, mainProperties(), job["Main"], "Main");
    run("Main.InitiateMainCalculations", [&] { main.InitiateMainCalculations(); });
    if (step) {
        run(stepName, [&] { step(main); });
    }

    Json result;
    result["Main"] = readAll(main, mainProperties());
    if (job.contains("Cost") || job.contains("Bin") || draw) {
        runCosting(main, job, result);
    }
    if (draw) {
        runDrawing(main, job, part, draw);
    }
    return result;
}

JobOutcome outcomeOf(const std::function<Json()>& checked)
{
    try {
        return {checked(), {}};
    } catch (const JobFailure& failure) {
        JobOutcome outcome{errorObject(failure), {}};
        if (failure.inputProblem) {
            outcome.inputProblems.push_back(failure.description);
        }
        return outcome;
    }
}

} // namespace

JobOutcome runJob(const Json& job)
{
    return runJob(job, {}, {});
}

JobOutcome runJob(const Json& job, const std::string& stepName, const std::function<void(Main&)>& step)
{
    return outcomeOf([&] { return runChecked(job, stepName, step); });
}

JobOutcome runDrawingJob(const Json& job, const std::function<void(Main&, const std::string& part)>& draw)
{
    return outcomeOf([&] { return runChecked(job, {}, {}, draw); });
}

} // namespace vexa::cli
