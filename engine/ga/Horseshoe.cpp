#include "ga/Horseshoe.h"

#include "common/NumberText.h"
#include "design/DesignState.h"
#include "design/FaceGeometry.h"
#include "ga/HorseshoeDrawing.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace vexa {

namespace {

// 60 mm: the return bend side's casing beyond the finned length.
constexpr int32_t kBendSide_mm = 60;
// 4 mm: what the tube plate adds to the finned height of the tubes.
constexpr double kTubePlateAllowance_mm = 4;
// 38 mm: how much taller the larger section is when the sections differ by a tube.
constexpr int32_t kOneTubeDifference_mm = 38;

std::string trimBlanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int32_t widthBeside(int32_t externalBaffle, int32_t finnedLength)
{
    return num::toInt32(static_cast<double>(externalBaffle) + finnedLength + kBendSide_mm);
}

// The tube diameter text as a number ("12" gives " 12HP"); none when it is not one,
// such as "5/8".
std::optional<std::string> codePrefix(const std::string& tubeDiameter)
{
    double value = 0;
    const char* end = tubeDiameter.data() + tubeDiameter.size();
    const auto [rest, error] = std::from_chars(tubeDiameter.data(), end, value);
    if (error != std::errc() || rest != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return (value < 0 ? "" : " ") + num::shortestText(value) + "HP";
}

} // namespace

Horseshoe::Horseshoe() : m_tubePitch_mm(tubePitchFor(""))
{
    designState().TwoSectionFlag = false;
}

Horseshoe::~Horseshoe() = default;

double Horseshoe::flangeWidthFor(int32_t overallHeight, int32_t tubesHigh) const
{
    // The pitch is single precision and the product double: 20 tubes at 38.1 mm give
    // floor(765.99997) = 765.
    const double tubes_mm = tubesHigh * static_cast<double>(m_tubePitch_mm);
    return (overallHeight - std::floor(tubes_mm + kTubePlateAllowance_mm)) / 2;
}

void Horseshoe::setInternal_Depth(int32_t mm)
{
    m_internalDepth = mm;
}

void Horseshoe::setInternal_Baffle(int32_t mm)
{
    m_internalBaffle = mm;
}

void Horseshoe::setExternal_Baffle(int32_t mm)
{
    m_overallWidth = widthBeside(mm, designState().finnedLength_mm);
    m_externalBaffle = mm;
}

void Horseshoe::setOverall_Height(int32_t mm)
{
    m_overallHeight = mm;
    m_flangeWidth = flangeWidthFor(mm, m_tubesHigh);
}

void Horseshoe::setAirFlowDirection(const std::string& text)
{
    m_airFlowDirection = trimBlanks(text);
}

void Horseshoe::setOverall_Width(int32_t mm)
{
    m_overallWidth = mm;
}

void Horseshoe::setProject_Ref(const std::string& text)
{
    m_projectRef = text;
}

void Horseshoe::setCustomer_Ref(const std::string& text)
{
    m_customerRef = text;
}

void Horseshoe::setNumberOfRows(int16_t rows)
{
    m_rows = rows;
    m_endPlateWidth = ga::horseshoeEndPlateWidth(rows);
}

void Horseshoe::setTubeDiameter(const std::string& text)
{
    m_tubeDiameter = trimBlanks(text);
    m_tubePitch_mm = tubePitchFor(m_tubeDiameter.c_str());
}

void Horseshoe::setNumberOfTubesHigh(int32_t tubes)
{
    m_tubesHigh = tubes;
}

void Horseshoe::GA()
{
    m_documentPath.clear();
    m_documentShown = false;
    m_documentMessage.clear();

    DesignState& ds = designState();
    m_overallWidth = widthBeside(m_externalBaffle, ds.finnedWidth_mm);
    if (ga::isTwoSections(ds.finnedHeight_mm)) {
        ds.TwoSectionFlag = true;
    }

    // The drawing shows the larger section of a unit in two. The whole unit's overall
    // height and tubes high stay as set, so a second drawing gives the same figures.
    const double p = m_tubePitch_mm;
    int32_t overallHeight = m_overallHeight;
    int32_t tubesHigh = m_tubesHigh;
    std::string stacked; // one section: Stacked emptied
    if (ds.TwoSectionFlag) {
        const double x = ds.tubesHigh / 2.0;
        const int32_t half = num::truncToInt32(x);
        const bool odd = x != half;
        tubesHigh = odd ? half + 1 : half;
        const int32_t larger = num::toInt32(num::truncToInt32(tubesHigh * p) + kTubePlateAllowance_mm);
        const int32_t smaller = num::toInt32(num::truncToInt32(half * p) + kTubePlateAllowance_mm);
        const double flangeGap = (static_cast<double>(m_overallHeight) - larger - smaller) / 4;
        overallHeight = num::toInt32(larger + 2 * flangeGap);
        stacked = ga::twoSectionNote(true, overallHeight, odd ? kOneTubeDifference_mm : 0);
    }
    m_flangeWidth = flangeWidthFor(overallHeight, tubesHigh);

    const ga::HorseshoeDimensions dimensions{
        .overallHeight = static_cast<double>(overallHeight),
        .overallWidth = static_cast<double>(m_overallWidth),
        .externalBaffle = static_cast<double>(m_externalBaffle),
        .internalBaffle = static_cast<double>(m_internalBaffle),
        .finnedLength = static_cast<double>(ds.finnedLength_mm),
        .flangeWidth = m_flangeWidth,
        .internalDepth = static_cast<double>(m_internalDepth),
        .endPlateWidth = static_cast<double>(m_endPlateWidth),
    };
    const ga::Hand hand = m_airFlowDirection == "L" ? ga::Hand::Left : ga::Hand::Right;
    ga::GaDocument document = ga::startHorseshoeDrawing(hand, dimensions, stacked);
    std::optional<std::string> code = codePrefix(m_tubeDiameter);
    if (code) {
        *code = ga::heatpipeCode(*code, ds.heatpipeFinsPerInch, ds.heatpipeRows, ds.tubesHigh,
                                 ds.finnedLength_mm);
    }
    document.writeReferences(m_customerRef, m_projectRef, code);
    const ga::GaResult result = document.finish();
    m_documentPath = result.document;
    m_documentShown = result.shown;
    m_documentMessage = result.message;
}

} // namespace vexa
