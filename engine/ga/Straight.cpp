#include "ga/Straight.h"

#include "common/NumberText.h"
#include "costing/CostingState.h"
#include "design/DesignState.h"
#include "ga/StraightDrawing.h"

#include <cmath>

namespace vexa {

namespace {

// 38.1 mm: the tube pitch of a straight heat pipe.
constexpr double kTubePitch_mm = 38.1;
// 4 mm: what the tube plate adds to the finned height of the tubes.
constexpr double kTubePlateAllowance_mm = 4;

// The larger section of a unit supplied in two: its finned height, the other
// section's, and k, the difference written in the note.
struct SplitSections {
    int32_t larger_mm;
    int32_t smaller_mm;
    int32_t heightDifference_mm;
};

int32_t sectionFinnedHeight(double tubes)
{
    return num::toInt32(num::truncToInt32(tubes * kTubePitch_mm) + kTubePlateAllowance_mm);
}

// n tube rows per section counted for height: (N + 2) / 2 horizontal, N / 2 vertical.
SplitSections splitSections(double n)
{
    const double whole = num::truncToInt32(n);
    if (n != whole) {
        return {sectionFinnedHeight(whole + 1), sectionFinnedHeight(whole), 38};
    }
    const int32_t height = sectionFinnedHeight(n);
    return {height, height, 0};
}

} // namespace

Straight::Straight()
{
    StraightDefaults();
}

Straight::~Straight() = default;

void Straight::setOverall_Height(int32_t mm)
{
    m_overallHeight = mm;
    const int32_t tubesHigh = designState().tubesHigh;
    // An empty costing orientation counts as horizontal, as in the costing.
    const bool horizontal = costingState().orientation != "Vertical";
    const int32_t rowsCounted = horizontal ? tubesHigh + 2 : tubesHigh;
    m_flangeWidth = (mm - std::floor(rowsCounted * kTubePitch_mm + kTubePlateAllowance_mm)) / 2;
}

void Straight::setOverall_Width(int32_t mm)
{
    m_overallWidth = mm;
    const double flanges = static_cast<double>(mm) - m_supplyAir - m_extractAir - 2.0 * m_centreFlangeWidth;
    m_flangeDepth = num::toInt32(num::toInt32(flanges) * 0.5);
}

void Straight::setCentre_Flange_Width(int16_t mm)
{
    m_centreFlangeWidth = mm;
}

void Straight::setSupplyAir(int16_t mm)
{
    m_supplyAir = mm;
}

void Straight::setExtractAir(int16_t mm)
{
    m_extractAir = mm;
}

void Straight::setFinnedLength(int16_t mm)
{
    m_finnedLength = mm;
}

void Straight::setOrientation(Orient orientation)
{
    m_orientation = orientation;
}

void Straight::StraightDefaults()
{
    m_overallDepth = ga::straightOverallDepth(costingState().eliminators);
}

void Straight::CreateGA()
{
    m_documentPath.clear();
    m_documentShown = false;
    m_documentMessage.clear();

    DesignState& ds = designState();
    if (ga::isTwoSections(ds.finnedHeight_mm)) {
        ds.TwoSectionFlag = true;
    }
    const bool horizontal = m_orientation == Orient::Hor;

    // The drawing shows the larger section of a unit in two. The whole unit's overall
    // height stays as set, so a second drawing gives the same figures.
    double overallHeight = m_overallHeight;
    double flangeWidth = m_flangeWidth;
    std::optional<std::string> stacked; // one section: Stacked as the template has it
    if (ds.TwoSectionFlag) {
        const double n = (horizontal ? ds.tubesHigh + 2 : ds.tubesHigh) / 2.0;
        const SplitSections sections = splitSections(n);
        flangeWidth = (static_cast<double>(m_overallHeight) - sections.larger_mm - sections.smaller_mm) / 4;
        overallHeight = num::toInt32(sections.larger_mm + 2 * flangeWidth);
        stacked = ga::twoSectionNote(horizontal, overallHeight, sections.heightDifference_mm);
    }

    const ga::StraightDimensions dimensions{
        .overallHeight = overallHeight,
        .overallWidth = static_cast<double>(m_overallWidth),
        .overallDepth = static_cast<double>(m_overallDepth),
        .supplyAir = static_cast<double>(m_supplyAir),
        .finnedLength = static_cast<double>(m_finnedLength),
        .flangeWidth = flangeWidth,
        .extractAir = static_cast<double>(m_extractAir),
        .centreFlangeWidth = static_cast<double>(m_centreFlangeWidth),
        .flangeDepth = static_cast<double>(m_flangeDepth),
    };
    ga::GaDocument document =
        ga::startStraightDrawing(horizontal, costingState().drainpanType, dimensions, stacked);
    document.writeReferences(
        {}, {},
        ga::heatpipeCode("12HP", ds.heatpipeFinsPerInch, ds.heatpipeRows, ds.tubesHigh, m_finnedLength));
    const ga::GaResult result = document.finish();
    m_documentPath = result.document;
    m_documentShown = result.shown;
    m_documentMessage = result.message;
}

} // namespace vexa
