#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The dimension rules of the three general arrangement dialogs, in mm, on the tube
// pitch of 38.1 mm. Every height rule takes the tubes high of the section drawn.
namespace vexa::app::gadims {

// A closed range of whole millimetres.
struct Limits {
    int32_t min = 0;
    int32_t max = 0;
    bool contains(int32_t value) const { return value >= min && value <= max; }
};

// A dimension field's text read as the whole number at its start (halves to even);
// none when that number is too large to be a dimension at all.
std::optional<int32_t> wholeNumberAtStart(const QString& text);

// The section a dialog draws. A unit in two sections is drawn by its larger
// section: half the tubes of an even count, half of one more for an odd count, and
// the two sections then differ in height by 38 mm.
struct Section {
    int32_t tubesHigh = 0;
    int32_t heightDifference_mm = 0;
};
Section sectionDrawn(int32_t tubesHigh, bool twoSections);

// "Min " S(min) " Max " S(max): the numbers with their leading blank.
QString minMaxText(const Limits& limits);
// The same between brackets.
QString bracketedMinMaxText(const Limits& limits);

// Straight heat pipe. Tube rows counted for the height: two more for a horizontal unit.
int32_t straightTubeRows(int32_t tubesHigh, bool horizontal);
int32_t straightOverallHeight(int32_t tubeRows);
Limits straightHeightLimits(int32_t tubeRows);
int32_t straightFlangeWidth(int32_t overallHeight_mm, int32_t tubeRows);
// The finned length spans supply air, extract air and a centre flange on each side.
int32_t straightFinnedLength(int32_t supplyAir_mm, int32_t extractAir_mm, int32_t centreFlange_mm);
Limits straightWidthLimits(int32_t finnedLength_mm);
int32_t straightFlangeDepth(int32_t overallWidth_mm, int32_t finnedLength_mm);
inline constexpr Limits kCentreFlangeLimits{15, 100};

// Combination unit (heat pipe with its cooling coil).
int32_t combinationOverallHeight(int32_t tubesHigh, bool drainpan);
Limits combinationHeightLimits(int32_t tubesHigh, bool drainpan);
int32_t combinationFlangeDepth(int32_t overallHeight_mm, int32_t tubesHigh, bool drainpan);
// The return baffle's default and least width: wider behind a coil of more than two rows.
int32_t returnBaffleMinimum(int32_t coolingCoilRows);
inline constexpr int32_t kFrontBaffleMaximum = 350;
inline constexpr int32_t kReturnBaffleMaximum = 250;
inline constexpr Limits kConnectionLengthLimits{100, 300};
inline constexpr int32_t kCombinationOverallDepth = 500;

// Horseshoe heat pipe.
int32_t horseshoeOverallHeight(int32_t tubesHigh);
Limits horseshoeHeightLimits(int32_t tubesHigh);
double horseshoeFlangeWidth(int32_t overallHeight_mm, int32_t tubesHigh);
int32_t horseshoeEndPlateWidth(int32_t rows);
int32_t horseshoeOverallDepth(int32_t internalDepth_mm, int32_t rows);
inline constexpr Limits kInternalDepthLimits{100, 2000};
inline constexpr Limits kInternalBaffleLimits{60, 150};
inline constexpr Limits kExternalBaffleLimits{120, 300};
// The external baffle stands at least this much beyond the internal one.
inline constexpr int32_t kBaffleDifference_mm = 60;

} // namespace vexa::app::gadims
