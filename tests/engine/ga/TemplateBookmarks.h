#pragma once

// Every general arrangement template and the bookmarks its drawing style writes,
// with a sample value for each, used by the template test and the preview tool.

#include <map>
#include <string>
#include <vector>

namespace vexa::ga::test {

struct TemplateBookmarks {
    const char* file;
    std::vector<std::string> bookmarks;
};

inline std::vector<std::string> join(std::vector<std::vector<std::string>> lists)
{
    std::vector<std::string> all;
    for (auto& list : lists) {
        all.insert(all.end(), list.begin(), list.end());
    }
    return all;
}

// The references and the two-section note every style writes.
inline const std::vector<std::string> kReferences = {"Stacked", "CustomerRef", "ProjectName", "HeatpipeCode",
                                                     "Date"};

inline const std::vector<std::string> kStraight = {"OverallHeight",      "OverallWidth", "OverallDepth",
                                                   "SupplyAir",          "FinnedLength", "FlangeWidth1",
                                                   "FlangeWidth2",       "ExtractAir",   "CentreFlangeWidth1",
                                                   "CentreFlangeWidth2", "FlangeDepth1", "FlangeDepth2"};

inline const std::vector<std::string> kHorseshoe = {
    "OverallHeight", "OverallWidth", "ExternalBaffle", "InternalBaffle", "FinnedLength",
    "FlangeWidth1",  "FlangeWidth2", "InternalDepth",  "EndPlateWidth1", "EndPlateWidth2"};

inline const std::vector<std::string> kCombinationWithDrainpan = {
    "OverallHeight", "OverallWidth",     "OverallDepth", "ReturnBaffle", "FinnedLength",
    "FrontBaffle",   "ConnectionLength", "FlangeDepth1", "DuctHeight"};

inline const std::vector<std::string> kCombinationWithoutDrainpan = {
    "OverallHeight", "OverallWidth", "OverallDepth", "ReturnBaffle",    "FinnedLength",
    "FlangeDepth1",  "FlangeDepth2", "FrontBaffle",  "ConnectionLength"};

inline const std::vector<std::string> kRefrigerant = {"INLET", "OUTLET"};
inline const std::vector<std::string> kChilledWater = {"ConnectionSize"};

// clang-format off
inline const std::vector<TemplateBookmarks> kTemplates = {
    {"HorizontalStraightHeatpipe.dotx",         join({kStraight, kReferences})},
    {"VerticalStraightHeatpipe.dotx",           join({kStraight, kReferences})},
    {"HorizontalStraightHeatpipeDrainpan.dotx", join({kStraight, kReferences})},
    {"VerticalStraightHeatpipeDrainpan.dotx",   join({kStraight, kReferences})},
    {"HorseshoeHeatpipeLeft.dotx",              join({kHorseshoe, kReferences})},
    {"HorseshoeHeatpipeRight.dotx",             join({kHorseshoe, kReferences})},
    {"RefrigerantHeatpipeDrainpanLEFT.dotx",    join({kRefrigerant, kCombinationWithDrainpan, kReferences})},
    {"RefrigerantHeatpipeDrainpanRIGHT.dotx",   join({kRefrigerant, kCombinationWithDrainpan, kReferences})},
    {"CombinationHeatpipeDrainpanLEFT.dotx",    join({kChilledWater, kCombinationWithDrainpan, kReferences})},
    {"CombinationHeatpipeDrainpanRIGHT.dotx",   join({kChilledWater, kCombinationWithDrainpan, kReferences})},
    {"RefrigerantHeatpipeLEFT.dotx",            join({kRefrigerant, kCombinationWithoutDrainpan, kReferences})},
    {"RefrigerantHeatpipeRIGHT.dotx",           join({kRefrigerant, kCombinationWithoutDrainpan, kReferences})},
    // Also drawn for a right-hand unit, with the note that says so.
    {"CombinationHeatpipeLEFT.dotx",            join({kChilledWater, kCombinationWithoutDrainpan, {"Note"}, kReferences})},
};

// A value for every bookmark, as the drawing mechanism writes them.
inline const std::map<std::string, std::string> kSampleValues = {
    {"OverallHeight", "1204.0"},     {"OverallWidth", "2310.0"},       {"OverallDepth", "365.0"},
    {"SupplyAir", "1000.0"},         {"ExtractAir", "1050.0"},         {"FinnedLength", "2130.0"},
    {"FlangeWidth1", "219.0"},       {"FlangeWidth2", "219.0"},        {"CentreFlangeWidth1", "40.0"},
    {"CentreFlangeWidth2", "40.0"},  {"FlangeDepth1", "90.0"},         {"FlangeDepth2", "90.0"},
    {"ExternalBaffle", "250.0"},     {"InternalBaffle", "150.0"},      {"InternalDepth", "600.0"},
    {"EndPlateWidth1", "110.0"},     {"EndPlateWidth2", "110.0"},      {"ReturnBaffle", "200.0"},
    {"FrontBaffle", "145.0"},        {"ConnectionLength", "150.0"},    {"DuctHeight", "766.0"},
    {"ConnectionSize", "1 1/2 INCH"}, {"INLET", ""},                   {"OUTLET", ""},
    {"CustomerRef", "C-10442 / J. SMITH"}, {"ProjectName", "RIVERSIDE OFFICES AHU-3"},
    {"HeatpipeCode", "12HP 8. 4 - 20T x 1800"}, {"Date", "14/03/2025"},
    {"Stacked", "* HEAT PIPE SUPPLIED IN TWO SECTIONS STACKED ONE ON TOP OF THE OTHER. ONLY ONE OF THE "
                "SECTIONS IS SHOWN, OVERALL HEIGHT = 2370.0 mm *"},
    {"Note", "NOTE. CONNECTIONS SHOWN ON LHS LOOKING IN DIRECTION OF AIRFLOW"},
};
// clang-format on

} // namespace vexa::ga::test
