#include "ga/StraightDrawing.h"

namespace vexa::ga {

namespace {

// Moisture eliminators behind the coil make the casing 180 mm deeper.
constexpr int32_t kDepthWithEliminators_mm = 365;
constexpr int32_t kDepthWithoutEliminators_mm = 185;

} // namespace

int32_t straightOverallDepth(bool eliminators)
{
    return eliminators ? kDepthWithEliminators_mm : kDepthWithoutEliminators_mm;
}

std::string straightTemplate(bool horizontal, bool drainpan)
{
    return std::string(horizontal ? "Horizontal" : "Vertical") + "StraightHeatpipe" +
           (drainpan ? "Drainpan" : "") + ".dotx";
}

std::vector<BookmarkText> straightBookmarks(const StraightDimensions& d)
{
    return {
        {"OverallHeight", dimensionText(d.overallHeight)},
        {"OverallWidth", dimensionText(d.overallWidth)},
        {"OverallDepth", dimensionText(d.overallDepth)},
        {"SupplyAir", dimensionText(d.supplyAir)},
        {"FinnedLength", dimensionText(d.finnedLength)},
        {"FlangeWidth1", dimensionText(d.flangeWidth)},
        {"FlangeWidth2", dimensionText(d.flangeWidth)},
        {"ExtractAir", dimensionText(d.extractAir)},
        {"CentreFlangeWidth1", dimensionText(d.centreFlangeWidth)},
        {"CentreFlangeWidth2", dimensionText(d.centreFlangeWidth)},
        {"FlangeDepth1", dimensionText(d.flangeDepth)},
        {"FlangeDepth2", dimensionText(d.flangeDepth)},
    };
}

GaDocument startStraightDrawing(bool horizontal, std::string_view drainpanType,
                                const StraightDimensions& dimensions,
                                const std::optional<std::string>& stacked)
{
    GaDocument document(straightTemplate(horizontal, hasDrainpan(drainpanType)));
    document.write(straightBookmarks(dimensions));
    document.writeStacked(stacked);
    return document;
}

} // namespace vexa::ga
