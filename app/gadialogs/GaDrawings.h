#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

// The dialogs' one way into the engine's general arrangement drawings: a drawing is
// started with its template and dimensions, waits for the project details, then
// gets its references and is finished (saved and shown).
namespace vexa::app {

// No drawing can be made at all (the document layer cannot start, or the finished
// drawing cannot be saved); the text is the message to show.
class DrawingFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A straight heat pipe drawing, lengths in mm.
struct StraightDrawingValues {
    bool horizontal = false;
    QString drainpanType;
    int32_t overallHeight = 0;
    int32_t overallWidth = 0;
    int32_t overallDepth = 0;
    int32_t supplyAir = 0;
    int32_t finnedLength = 0;
    int32_t flangeWidth = 0;
    int32_t extractAir = 0;
    int32_t centreFlange = 0;
    int32_t flangeDepth = 0;
    QString stacked; // the two-section note; empty for a unit in one section
};

// A horseshoe heat pipe drawing, lengths in mm.
struct HorseshoeDrawingValues {
    bool leftHand = true;
    int32_t overallHeight = 0;
    int32_t overallWidth = 0;
    int32_t externalBaffle = 0;
    int32_t internalBaffle = 0;
    int32_t finnedLength = 0;
    double flangeWidth = 0;
    int32_t internalDepth = 0;
    int32_t endPlateWidth = 0;
    QString stacked;
};

// A combination unit's drawing, lengths in mm.
struct CombinationDrawingValues {
    bool drainpan = false;
    bool refrigerant = false;
    bool leftHand = true;
    int32_t overallHeight = 0;
    int32_t flangeDepth = 0;
    int32_t returnBaffle = 0;
    int32_t finnedLength = 0;
    int32_t frontBaffle = 0;
    int32_t connectionLength = 0;
    QString connectionSize;
    QString stacked;
};

// What became of a finished drawing.
struct FinishedDrawing {
    QString document; // the file saved; empty when none was made
    QString message;  // for the user: where it was saved when it could not be shown
};

// A drawing whose dimensions are written, waiting for its references. Destroying it
// before finish() discards it: nothing is saved.
class PendingDrawing {
public:
    virtual ~PendingDrawing() = default;
    // CustomerRef, ProjectName (both trimmed), HeatpipeCode and today's Date.
    virtual void writeReferences(const QString& customerRef, const QString& projectName,
                                 const QString& heatpipeCode) = 0;
    // Saves the drawing under a new name and shows it. Throws DrawingFailed.
    virtual FinishedDrawing finish() = 0;
};

// Called once for each of the ten steps of a drawing's making.
using DrawingStep = std::function<void()>;

// Each starts a drawing from its template (chosen by the values) and writes its
// dimensions and its two-section note, advancing ten steps. Throws DrawingFailed
// when documents cannot be made.
std::unique_ptr<PendingDrawing> startStraight(const StraightDrawingValues& values, const DrawingStep& step);
std::unique_ptr<PendingDrawing> startHorseshoe(const HorseshoeDrawingValues& values, const DrawingStep& step);
std::unique_ptr<PendingDrawing> startCombination(const CombinationDrawingValues& values,
                                                 const DrawingStep& step);

// "12HP", then S(fins per inch) "." S(rows) " -" S(tubes high) "T x" S(finned length).
QString heatpipeCodeText(int32_t finsPerInch, int32_t rows, int32_t tubesHigh, int32_t finnedLength_mm);
// The Stacked note of a unit in two sections, whose drawn section is this tall.
QString twoSectionNoteText(bool horizontal, int32_t sectionOverallHeight_mm, int32_t heightDifference_mm);
// A unit has a drain pan with "Flat Drainpan" or "Sloping Drainpan".
bool hasDrainpan(const QString& drainpanType);
// The front baffle's default and least width for the chilled water coil's
// connection size as the coil selection names it.
int32_t frontBaffleMinimum(const QString& connectionSize);

} // namespace vexa::app
