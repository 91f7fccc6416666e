#include "gadialogs/GaDrawings.h"

#include "ga/CombinationDrawing.h"
#include "ga/GaDocument.h"
#include "ga/HorseshoeDrawing.h"
#include "ga/StraightDrawing.h"

#include <string>
#include <vector>

namespace vexa::app {

namespace {

// A drawing made by the engine's document mechanism, waiting for its references.
class EngineDrawing final : public PendingDrawing {
public:
    explicit EngineDrawing(ga::GaDocument document) : m_document(std::move(document)) {}

    void writeReferences(const QString& customerRef, const QString& projectName,
                         const QString& heatpipeCode) override
    {
        m_document.writeReferences(customerRef.toStdString(), projectName.toStdString(),
                                   heatpipeCode.toStdString());
    }

    FinishedDrawing finish() override
    {
        try {
            const ga::GaResult result = m_document.finish();
            return {QString::fromStdString(result.document.string()), QString::fromStdString(result.message)};
        } catch (const ga::GaDocumentError& failure) {
            throw DrawingFailed(failure.what());
        }
    }

private:
    ga::GaDocument m_document;
};

// The steps of the bar: the document from its template, then the dimensions in
// eight steps, then the two-section note.
constexpr int kDrawingSteps = 10;
constexpr int kDimensionSteps = 8;

std::unique_ptr<PendingDrawing> startDrawing(const std::string& templateFile,
                                             const std::vector<ga::BookmarkText>& dimensions,
                                             const QString& stacked, const DrawingStep& step)
{
    try {
        ga::GaDocument document(templateFile);
        int done = 1;
        step();
        for (size_t written = 0; written < dimensions.size(); ++written) {
            document.write(dimensions[written].name, dimensions[written].text);
            const int reached = 1 + int((written + 1) * kDimensionSteps / dimensions.size());
            for (; done < reached; ++done) {
                step();
            }
        }
        for (; done < kDrawingSteps - 1; ++done) {
            step();
        }
        // A unit in one section has its Stacked note emptied.
        document.writeStacked(stacked.toStdString());
        step();
        return std::make_unique<EngineDrawing>(std::move(document));
    } catch (const ga::GaDocumentError& failure) {
        throw DrawingFailed(failure.what());
    }
}

ga::Hand hand(bool leftHand)
{
    return leftHand ? ga::Hand::Left : ga::Hand::Right;
}

} // namespace

std::unique_ptr<PendingDrawing> startStraight(const StraightDrawingValues& values, const DrawingStep& step)
{
    ga::StraightDimensions dimensions;
    dimensions.overallHeight = values.overallHeight;
    dimensions.overallWidth = values.overallWidth;
    dimensions.overallDepth = values.overallDepth;
    dimensions.supplyAir = values.supplyAir;
    dimensions.finnedLength = values.finnedLength;
    dimensions.flangeWidth = values.flangeWidth;
    dimensions.extractAir = values.extractAir;
    dimensions.centreFlangeWidth = values.centreFlange;
    dimensions.flangeDepth = values.flangeDepth;
    return startDrawing(ga::straightTemplate(values.horizontal, hasDrainpan(values.drainpanType)),
                        ga::straightBookmarks(dimensions), values.stacked, step);
}

std::unique_ptr<PendingDrawing> startHorseshoe(const HorseshoeDrawingValues& values, const DrawingStep& step)
{
    ga::HorseshoeDimensions dimensions;
    dimensions.overallHeight = values.overallHeight;
    dimensions.overallWidth = values.overallWidth;
    dimensions.externalBaffle = values.externalBaffle;
    dimensions.internalBaffle = values.internalBaffle;
    dimensions.finnedLength = values.finnedLength;
    dimensions.flangeWidth = values.flangeWidth;
    dimensions.internalDepth = values.internalDepth;
    dimensions.endPlateWidth = values.endPlateWidth;
    return startDrawing(ga::horseshoeTemplate(hand(values.leftHand)), ga::horseshoeBookmarks(dimensions),
                        values.stacked, step);
}

std::unique_ptr<PendingDrawing> startCombination(const CombinationDrawingValues& values,
                                                 const DrawingStep& step)
{
    ga::CombinationDrawing drawing;
    drawing.drainpan = values.drainpan;
    drawing.coil = values.refrigerant ? ga::CoilKind::Refrigerant : ga::CoilKind::ChilledWater;
    drawing.hand = hand(values.leftHand);
    drawing.overallHeight = values.overallHeight;
    drawing.flangeDepth = values.flangeDepth;
    drawing.returnBaffle = values.returnBaffle;
    drawing.finnedLength = values.finnedLength;
    drawing.frontBaffle = values.frontBaffle;
    drawing.connectionLength = values.connectionLength;
    drawing.connectionSize = values.connectionSize.toStdString();
    return startDrawing(ga::combinationTemplate(drawing.drainpan, drawing.coil, drawing.hand),
                        ga::combinationBookmarks(drawing), values.stacked, step);
}

QString heatpipeCodeText(int32_t finsPerInch, int32_t rows, int32_t tubesHigh, int32_t finnedLength_mm)
{
    return QString::fromStdString(ga::heatpipeCode("12HP", finsPerInch, rows, tubesHigh, finnedLength_mm));
}

QString twoSectionNoteText(bool horizontal, int32_t sectionOverallHeight_mm, int32_t heightDifference_mm)
{
    return QString::fromStdString(
        ga::twoSectionNote(horizontal, sectionOverallHeight_mm, heightDifference_mm));
}

bool hasDrainpan(const QString& drainpanType)
{
    return ga::hasDrainpan(drainpanType.toStdString());
}

int32_t frontBaffleMinimum(const QString& connectionSize)
{
    return ga::frontBaffleMinimum(connectionSize.toStdString());
}

} // namespace vexa::app
