#pragma once

#include "ga/GaDocument.h"

#include <string>
#include <vector>

// What a horseshoe heat pipe drawing shows: its template and its dimensions.
namespace vexa::ga {

enum class Hand { Left, Right };

// The dimensions of a horseshoe heat pipe drawing, in mm.
struct HorseshoeDimensions {
    double overallHeight = 0;
    double overallWidth = 0; // external baffle + finned length + 60
    double externalBaffle = 0;
    double internalBaffle = 0;
    double finnedLength = 0;
    double flangeWidth = 0;
    double internalDepth = 0;
    double endPlateWidth = 0; // 110 with more than two rows, else 75
};

// 110 mm end plates for more than two rows of tubes, 75 mm otherwise.
int32_t horseshoeEndPlateWidth(int32_t rows);

// "HorseshoeHeatpipeLeft.dotx" or "HorseshoeHeatpipeRight.dotx".
std::string horseshoeTemplate(Hand hand);

// The dimension bookmarks in the order they are written: OverallHeight,
// OverallWidth, ExternalBaffle, InternalBaffle, FinnedLength, FlangeWidth1,
// FlangeWidth2, InternalDepth, EndPlateWidth1, EndPlateWidth2.
std::vector<BookmarkText> horseshoeBookmarks(const HorseshoeDimensions& dimensions);

// The first steps of a horseshoe drawing: the template of the hand, the dimensions
// and the Stacked note (the note of a unit in two sections, an empty text for one
// section). Throws GaDocumentError when the document layer cannot start.
GaDocument startHorseshoeDrawing(Hand hand, const HorseshoeDimensions& dimensions,
                                 const std::string& stacked);

} // namespace vexa::ga
