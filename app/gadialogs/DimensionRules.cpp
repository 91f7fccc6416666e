#include "gadialogs/DimensionRules.h"

#include "common/NumberText.h"
#include "ga/CombinationDrawing.h"
#include "ga/GaDocument.h"
#include "ga/HorseshoeDrawing.h"

#include <cmath>
#include <limits>

namespace vexa::app::gadims {

namespace {

// 38.1 mm: the tube pitch of every heat pipe the dialogs draw.
constexpr double kTubePitch_mm = 38.1;

// floor(count x pitch + offset): the tube bank's height with an allowance.
int32_t bankHeight(int32_t tubes, int32_t offset_mm)
{
    return num::floorToInt32(tubes * kTubePitch_mm + offset_mm);
}

} // namespace

std::optional<int32_t> wholeNumberAtStart(const QString& text)
{
    const double value = num::leadingNumber(text.toStdString());
    // Beyond a 32-bit whole number no dimension can lie within its limits.
    if (!std::isfinite(value) || std::fabs(value) >= double(std::numeric_limits<int32_t>::max())) {
        return std::nullopt;
    }
    return num::toInt32(value);
}

Section sectionDrawn(int32_t tubesHigh, bool twoSections)
{
    if (!twoSections) {
        return {tubesHigh, 0};
    }
    const ga::Sections larger = ga::largerSection(tubesHigh);
    return {larger.sectionTubesHigh, larger.heightDifference_mm};
}

QString minMaxText(const Limits& limits)
{
    return QStringLiteral("Min ") + QString::fromStdString(num::S(limits.min)) + QStringLiteral(" Max ") +
           QString::fromStdString(num::S(limits.max));
}

QString bracketedMinMaxText(const Limits& limits)
{
    return QLatin1Char('(') + minMaxText(limits) + QLatin1Char(')');
}

int32_t straightTubeRows(int32_t tubesHigh, bool horizontal)
{
    return horizontal ? tubesHigh + 2 : tubesHigh;
}

int32_t straightOverallHeight(int32_t tubeRows)
{
    return num::toInt32(tubeRows * kTubePitch_mm + 104);
}

Limits straightHeightLimits(int32_t tubeRows)
{
    return {num::toInt32(tubeRows * kTubePitch_mm + 34), num::toInt32(tubeRows * kTubePitch_mm + 204)};
}

int32_t straightFlangeWidth(int32_t overallHeight_mm, int32_t tubeRows)
{
    return num::toInt32((overallHeight_mm - bankHeight(tubeRows, 4)) / 2.0);
}

int32_t straightFinnedLength(int32_t supplyAir_mm, int32_t extractAir_mm, int32_t centreFlange_mm)
{
    return supplyAir_mm + extractAir_mm + 2 * centreFlange_mm;
}

Limits straightWidthLimits(int32_t finnedLength_mm)
{
    return {finnedLength_mm + 30, finnedLength_mm + 200};
}

int32_t straightFlangeDepth(int32_t overallWidth_mm, int32_t finnedLength_mm)
{
    return num::toInt32(num::toInt32(overallWidth_mm - finnedLength_mm) * 0.5);
}

int32_t combinationOverallHeight(int32_t tubesHigh, bool drainpan)
{
    return bankHeight(tubesHigh, drainpan ? 89 : 54);
}

Limits combinationHeightLimits(int32_t tubesHigh, bool drainpan)
{
    return drainpan ? Limits{bankHeight(tubesHigh, 79), bankHeight(tubesHigh, 139)}
                    : Limits{bankHeight(tubesHigh, 34), bankHeight(tubesHigh, 154)};
}

int32_t combinationFlangeDepth(int32_t overallHeight_mm, int32_t tubesHigh, bool drainpan)
{
    return ga::combinationFlangeDepth(overallHeight_mm, tubesHigh, drainpan);
}

int32_t returnBaffleMinimum(int32_t coolingCoilRows)
{
    return coolingCoilRows > 2 ? 120 : 100;
}

int32_t horseshoeOverallHeight(int32_t tubesHigh)
{
    return bankHeight(tubesHigh, 54);
}

Limits horseshoeHeightLimits(int32_t tubesHigh)
{
    return {bankHeight(tubesHigh, 34), bankHeight(tubesHigh, 154)};
}

double horseshoeFlangeWidth(int32_t overallHeight_mm, int32_t tubesHigh)
{
    return (overallHeight_mm - bankHeight(tubesHigh, 4)) / 2.0;
}

int32_t horseshoeEndPlateWidth(int32_t rows)
{
    return ga::horseshoeEndPlateWidth(rows);
}

int32_t horseshoeOverallDepth(int32_t internalDepth_mm, int32_t rows)
{
    return internalDepth_mm + (rows > 2 ? 220 : 150);
}

} // namespace vexa::app::gadims
