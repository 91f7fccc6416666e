#pragma once

#include "ga/GaDocument.h"

#include <string>
#include <vector>

// What a straight heat pipe drawing shows: its template and its dimensions.
namespace vexa::ga {

// The dimensions of a straight heat pipe drawing, in mm, as the drawing writes them.
// The finned length spans the supply air and extract air sections and the centre
// flange between them.
struct StraightDimensions {
    double overallHeight = 0;
    double overallWidth = 0;
    double overallDepth = 0; // 365 with eliminators, 185 without
    double supplyAir = 0;
    double finnedLength = 0;
    double flangeWidth = 0;
    double extractAir = 0;
    double centreFlangeWidth = 0;
    double flangeDepth = 0;
};

// 365 mm deep with moisture eliminators fitted, 185 mm without.
int32_t straightOverallDepth(bool eliminators);

// The template of a horizontal or vertical unit, with or without a drain pan
// ("HorizontalStraightHeatpipeDrainpan.dotx" and so on).
std::string straightTemplate(bool horizontal, bool drainpan);

// The dimension bookmarks in the order they are written: OverallHeight,
// OverallWidth, OverallDepth, SupplyAir, FinnedLength, FlangeWidth1, FlangeWidth2,
// ExtractAir, CentreFlangeWidth1, CentreFlangeWidth2, FlangeDepth1, FlangeDepth2.
std::vector<BookmarkText> straightBookmarks(const StraightDimensions& dimensions);

// The first steps of a straight drawing: the template chosen by orientation and
// drain pan type (ga::hasDrainpan), the dimensions, then the Stacked note (none
// leaves it as the template has it). The caller then writes the references and
// finishes it. Throws GaDocumentError when the document layer cannot start.
GaDocument startStraightDrawing(bool horizontal, std::string_view drainpanType,
                                const StraightDimensions& dimensions,
                                const std::optional<std::string>& stacked);

} // namespace vexa::ga
