#pragma once

#include "ga/GaDocument.h"
#include "ga/HorseshoeDrawing.h"

#include <string>
#include <string_view>
#include <vector>

// What the drawing of a combination unit (heat pipe with its chilled water or
// refrigerant cooling coil) shows: its template, the bookmarks of its case and the
// dimensions every case shares.
namespace vexa::ga {

enum class CoilKind { ChilledWater, Refrigerant };

// A combination unit as drawn, lengths in mm. The overall width is return baffle +
// finned length + front baffle, the overall depth 500, the duct height (drawn with
// a drain pan only) overall height - flange depth - 60.
struct CombinationDrawing {
    bool drainpan = false; // ga::hasDrainpan of the drain pan type
    CoilKind coil = CoilKind::ChilledWater;
    Hand hand = Hand::Left; // the side of the coil connections, looking with the airflow
    double overallHeight = 0;
    double flangeDepth = 0; // combinationFlangeDepth
    double returnBaffle = 0;
    double finnedLength = 0;
    double frontBaffle = 0;
    double connectionLength = 0;
    // The chilled water coil's connection size as the coil selection names it
    // ("1 1/2 inch"); drawn in capitals. Not drawn for a refrigerant coil.
    std::string connectionSize;
};

// The flange depth of an overall height for tubesHigh tubes at 38.1 mm pitch: with a
// drain pan rnd(OH - floor(N x 38.1 + 64)), without rnd((OH - floor(N x 38.1 + 4)) / 2),
// halves to even.
int32_t combinationFlangeDepth(int32_t overallHeight_mm, int32_t tubesHigh, bool drainpan);

// The front baffle's default and least width for a coil connection size: 100 mm for
// "3/4 inch" to "1 1/2 inch", 115 for "2 inch", 130 for "2 1/2 inch", 145 for any
// other text (larger headers, or no size at all).
int32_t frontBaffleMinimum(std::string_view connectionSize);

// The connection size a combination drawing of this coil shows: the chilled water
// coil's size from the last design calculation; none for a refrigerant coil.
std::string drawnConnectionSize(CoilKind coil);

// The template of the case. A chilled water unit without drain pan has only a
// left-hand drawing: a right-hand unit uses it with a note.
std::string combinationTemplate(bool drainpan, CoilKind coil, Hand hand);

// The bookmarks of the case, then the common dimensions, in the order written.
std::vector<BookmarkText> combinationBookmarks(const CombinationDrawing& drawing);

// The first steps of a combination drawing: the template of the case, its bookmarks
// and the Stacked note (an empty text for a unit in one section). Throws
// GaDocumentError when the document layer cannot start.
GaDocument startCombinationDrawing(const CombinationDrawing& drawing, const std::string& stacked);

} // namespace vexa::ga
