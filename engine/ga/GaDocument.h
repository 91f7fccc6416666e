#pragma once

#include "common/EngineError.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The general arrangement document mechanism shared by the three heat pipe styles:
// a document made from the style's template, its bookmarks filled, then saved under
// a new name in the output folder and shown. A missing template or bookmark is
// skipped without a word; only a document layer that cannot start stops it.
namespace vexa::ga {

// The first line of the message shown when no drawing can be made.
inline constexpr std::string_view kNoWordProcessorMessage =
    "You need to have Microsoft Word Installed to run general arrangement";

// Thrown when documents cannot be made at all: the templates folder cannot be read
// or the output folder cannot be written, or a finished document cannot be saved.
// The description is the text to show: for a layer that cannot start,
// kNoWordProcessorMessage, a line break and the reason.
class GaDocumentError : public EngineError {
public:
    explicit GaDocumentError(const std::string& description) : EngineError(description, 0) {}
};

// One bookmark and the text to put in it.
struct BookmarkText {
    std::string name;
    std::string text;
};

// What became of a finished drawing.
struct GaResult {
    std::filesystem::path document; // empty when no document was made
    bool shown = false;             // opened with the desktop's application
    std::string message;            // for the user: where it was saved, or why there is none
};

// One drawing in the making. Steps in order: construct (the layer is checked and the
// document made from its template), write the dimensions, writeStacked,
// writeReferences, finish. A window may stop between any two steps (for the project
// details) and discard the drawing by destroying the object: nothing is saved then.
class GaDocument {
public:
    // Checks that the document layer can start (templates folder readable, output
    // folder writable; throws GaDocumentError when not) and makes the document from
    // the template file of that name in the templates folder. A missing or unreadable
    // template makes no document: every later write is skipped and finish() saves
    // nothing.
    explicit GaDocument(std::string_view templateFile);
    ~GaDocument();
    GaDocument(GaDocument&&) noexcept;
    GaDocument& operator=(GaDocument&&) noexcept;

    const std::string& templateFile() const { return m_templateFile; }
    // Whether the template gave a document.
    bool hasDocument() const;

    // Puts the text into every bookmark of that name; a missing bookmark is skipped.
    void write(std::string_view bookmark, std::string_view text);
    // The bookmarks in the order given.
    void write(const std::vector<BookmarkText>& bookmarks);
    // The two-section note into Stacked; an empty text empties it, no text leaves it
    // as the template has it.
    void writeStacked(const std::optional<std::string>& note);
    // CustomerRef and ProjectName (blanks trimmed from both ends), HeatpipeCode (left
    // as the template has it when there is no code) and Date, today's date.
    void writeReferences(std::string_view customerRef, std::string_view projectName,
                         const std::optional<std::string>& heatpipeCode);

    // Saves the document under a new name in the output folder (the template's name,
    // numbered when taken) and shows it unless ARDELVEXA_NO_OPEN=1. Without a document
    // it saves nothing and the message says why. Throws GaDocumentError when saving
    // fails. The drawing is finished after this; further calls save nothing.
    GaResult finish();

private:
    struct Impl;
    std::string m_templateFile;
    std::unique_ptr<Impl> m;
};

// Every number on a drawing: one decimal, halves away from zero ("219.0", "49.5").
std::string dimensionText(double value);

// The heat pipe code: prefix ("12HP"), then S(fins per inch) "." S(rows) " -"
// S(tubes high) "T x" S(finned length), as "12HP 8. 4 - 20T x 1800".
std::string heatpipeCode(std::string_view prefix, int64_t finsPerInch, int64_t rows, int64_t tubesHigh,
                         int64_t finnedLength_mm);

// A unit whose finned height exceeds 1910 mm is supplied in two sections.
bool isTwoSections(int32_t finnedHeight_mm);

// The larger of the two sections of a unit of tubesHigh tubes (half of an even
// count, half of one more for an odd count) and k, the height difference between
// the sections written in the note (38 mm for one tube, else 0).
struct Sections {
    int32_t sectionTubesHigh;
    int32_t heightDifference_mm;
};
Sections largerSection(int32_t tubesHigh);

// The Stacked note of a unit in two sections, giving the whole unit's overall height
// T = 2 x sectionOverallHeight - heightDifference. A horizontal unit's sections are
// stacked, a vertical unit's fitted side by side.
std::string twoSectionNote(bool horizontal, double sectionOverallHeight_mm, int32_t heightDifference_mm);

// A unit has a drain pan with "Flat Drainpan" or "Sloping Drainpan"; "No Drainpan"
// and "Perforated Base" count as none.
bool hasDrainpan(std::string_view drainpanType);

// Today's date as the drawings show it, day/month/year ("14/03/2025").
std::string todayText();

} // namespace vexa::ga
