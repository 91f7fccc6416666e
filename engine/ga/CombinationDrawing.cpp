#include "ga/CombinationDrawing.h"

#include "common/NumberText.h"
#include "design/DesignState.h"

#include <cmath>

namespace vexa::ga {

namespace {

// 38.1 mm: the tube pitch of the coil face.
constexpr double kTubePitch_mm = 38.1;
// The unit's casing is 500 mm deep whatever the coil.
constexpr int32_t kOverallDepth_mm = 500;
// The duct stands 60 mm clear of the drain pan's flange.
constexpr int32_t kDuctClearance_mm = 60;

constexpr std::string_view kRightHandNote = "NOTE. CONNECTIONS SHOWN ON LHS LOOKING IN DIRECTION OF AIRFLOW";

std::string capitals(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

void caseBookmarks(const CombinationDrawing& d, std::vector<BookmarkText>& out)
{
    const std::string flangeDepth = dimensionText(d.flangeDepth);
    const std::string ductHeight = dimensionText(d.overallHeight - d.flangeDepth - kDuctClearance_mm);
    const std::string connectionSize = capitals(d.connectionSize);
    if (d.coil == CoilKind::Refrigerant) {
        // Refrigerant connections are not sized on the drawing.
        if (d.drainpan) {
            out.push_back({"FlangeDepth1", flangeDepth});
        }
        out.push_back({"INLET", ""});
        out.push_back({"OUTLET", ""});
        if (d.drainpan) {
            out.push_back({"DuctHeight", ductHeight});
        }
        return;
    }
    if (d.drainpan) {
        out.push_back({"ConnectionSize", connectionSize});
        out.push_back({"DuctHeight", ductHeight});
        out.push_back({"FlangeDepth1", flangeDepth});
        return;
    }
    if (d.hand == Hand::Right) {
        out.push_back({"ConnectionLength", dimensionText(d.connectionLength)});
        out.push_back({"Note", std::string(kRightHandNote)});
    }
    out.push_back({"ConnectionSize", connectionSize});
}

} // namespace

int32_t combinationFlangeDepth(int32_t overallHeight_mm, int32_t tubesHigh, bool drainpan)
{
    if (drainpan) {
        return num::toInt32(overallHeight_mm - std::floor(tubesHigh * kTubePitch_mm + 64));
    }
    return num::toInt32((overallHeight_mm - std::floor(tubesHigh * kTubePitch_mm + 4)) / 2);
}

int32_t frontBaffleMinimum(std::string_view connectionSize)
{
    if (connectionSize == "3/4 inch" || connectionSize == "1 inch" || connectionSize == "1 1/4 inch" ||
        connectionSize == "1 1/2 inch") {
        return 100;
    }
    if (connectionSize == "2 inch") {
        return 115;
    }
    if (connectionSize == "2 1/2 inch") {
        return 130;
    }
    return 145;
}

std::string drawnConnectionSize(CoilKind coil)
{
    return coil == CoilKind::ChilledWater ? designState().connectionSize : std::string();
}

std::string combinationTemplate(bool drainpan, CoilKind coil, Hand hand)
{
    const bool refrigerant = coil == CoilKind::Refrigerant;
    if (!drainpan && !refrigerant) {
        return "CombinationHeatpipeLEFT.dotx";
    }
    return std::string(refrigerant ? "Refrigerant" : "Combination") + "Heatpipe" +
           (drainpan ? "Drainpan" : "") + (hand == Hand::Left ? "LEFT" : "RIGHT") + ".dotx";
}

std::vector<BookmarkText> combinationBookmarks(const CombinationDrawing& d)
{
    std::vector<BookmarkText> out;
    caseBookmarks(d, out);
    const std::string flangeDepth = dimensionText(d.flangeDepth);
    out.push_back({"OverallHeight", dimensionText(d.overallHeight)});
    out.push_back({"OverallWidth", dimensionText(d.returnBaffle + d.finnedLength + d.frontBaffle)});
    out.push_back({"OverallDepth", dimensionText(kOverallDepth_mm)});
    out.push_back({"ReturnBaffle", dimensionText(d.returnBaffle)});
    out.push_back({"FinnedLength", dimensionText(d.finnedLength)});
    if (!d.drainpan) {
        out.push_back({"FlangeDepth1", flangeDepth});
        out.push_back({"FlangeDepth2", flangeDepth});
    }
    out.push_back({"FrontBaffle", dimensionText(d.frontBaffle)});
    out.push_back({"ConnectionLength", dimensionText(d.connectionLength)});
    return out;
}

GaDocument startCombinationDrawing(const CombinationDrawing& drawing, const std::string& stacked)
{
    GaDocument document(combinationTemplate(drawing.drainpan, drawing.coil, drawing.hand));
    document.write(combinationBookmarks(drawing));
    document.writeStacked(stacked);
    return document;
}

} // namespace vexa::ga
