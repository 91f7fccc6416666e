#include "ga/HorseshoeDrawing.h"

namespace vexa::ga {

namespace {

// End plates carry the return bends: wider for three rows and more.
constexpr int32_t kWideEndPlate_mm = 110;
constexpr int32_t kNarrowEndPlate_mm = 75;

} // namespace

int32_t horseshoeEndPlateWidth(int32_t rows)
{
    return rows > 2 ? kWideEndPlate_mm : kNarrowEndPlate_mm;
}

std::string horseshoeTemplate(Hand hand)
{
    return hand == Hand::Left ? "HorseshoeHeatpipeLeft.dotx" : "HorseshoeHeatpipeRight.dotx";
}

std::vector<BookmarkText> horseshoeBookmarks(const HorseshoeDimensions& d)
{
    return {
        {"OverallHeight", dimensionText(d.overallHeight)},
        {"OverallWidth", dimensionText(d.overallWidth)},
        {"ExternalBaffle", dimensionText(d.externalBaffle)},
        {"InternalBaffle", dimensionText(d.internalBaffle)},
        {"FinnedLength", dimensionText(d.finnedLength)},
        {"FlangeWidth1", dimensionText(d.flangeWidth)},
        {"FlangeWidth2", dimensionText(d.flangeWidth)},
        {"InternalDepth", dimensionText(d.internalDepth)},
        {"EndPlateWidth1", dimensionText(d.endPlateWidth)},
        {"EndPlateWidth2", dimensionText(d.endPlateWidth)},
    };
}

GaDocument startHorseshoeDrawing(Hand hand, const HorseshoeDimensions& dimensions, const std::string& stacked)
{
    GaDocument document(horseshoeTemplate(hand));
    document.write(horseshoeBookmarks(dimensions));
    document.writeStacked(stacked);
    return document;
}

} // namespace vexa::ga
