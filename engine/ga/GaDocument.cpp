#include "ga/GaDocument.h"

#include "common/NumberText.h"
#include "ga/DocumentError.h"
#include "ga/DocumentLayer.h"
#include "ga/WordDocument.h"

#include <ctime>

namespace vexa::ga {

namespace {

// 1910 mm: the tallest finned height made in one section.
constexpr int32_t kLargestOneSectionHeight_mm = 1910;

// 38 mm: how much taller the larger section is when the sections differ by a tube.
constexpr int32_t kOneTubeDifference_mm = 38;

std::string_view trimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

struct GaDocument::Impl {
    std::optional<WordDocument> document;
    std::string problem; // why there is no document
    bool finished = false;
};

GaDocument::GaDocument(std::string_view templateFile) : m_templateFile(templateFile), m(new Impl)
{
    const std::filesystem::path templates = templatesFolder();
    const LayerStatus status = checkDocumentLayer(templates, outputFolder());
    if (!status.canStart) {
        throw GaDocumentError(std::string(kNoWordProcessorMessage) + "\n" + status.reason);
    }
    try {
        m->document.emplace(WordDocument::fromTemplate(templates / m_templateFile));
    } catch (const DocumentError& e) {
        // A drawing without its template is skipped: the user gets no document.
        m->problem = e.what();
    }
}

GaDocument::~GaDocument() = default;
GaDocument::GaDocument(GaDocument&&) noexcept = default;
GaDocument& GaDocument::operator=(GaDocument&&) noexcept = default;

bool GaDocument::hasDocument() const
{
    return m->document.has_value();
}

void GaDocument::write(std::string_view bookmark, std::string_view text)
{
    if (!m->document || m->finished) {
        return;
    }
    try {
        m->document->setBookmarkTextIfPresent(bookmark, text);
    } catch (const DocumentError&) {
        // A bookmark that cannot take its text is skipped like a missing one.
    }
}

void GaDocument::write(const std::vector<BookmarkText>& bookmarks)
{
    for (const BookmarkText& bookmark : bookmarks) {
        write(bookmark.name, bookmark.text);
    }
}

void GaDocument::writeStacked(const std::optional<std::string>& note)
{
    if (note) {
        write("Stacked", *note);
    }
}

void GaDocument::writeReferences(std::string_view customerRef, std::string_view projectName,
                                 const std::optional<std::string>& heatpipeCode)
{
    write("CustomerRef", trimBlanks(customerRef));
    write("ProjectName", trimBlanks(projectName));
    if (heatpipeCode) {
        write("HeatpipeCode", *heatpipeCode);
    }
    write("Date", todayText());
}

GaResult GaDocument::finish()
{
    if (m->finished) {
        return {{}, false, "The drawing was already finished."};
    }
    m->finished = true;
    if (!m->document) {
        return {{}, false, "No document was made: " + m->problem};
    }
    std::filesystem::path saved;
    try {
        saved = m->document->saveAs(outputFolder(), std::filesystem::path(m_templateFile).stem().string());
    } catch (const DocumentError& e) {
        throw GaDocumentError(e.what());
    }
    m->document.reset();
    const ShowResult show = showDocument(saved);
    return {saved, show.opened, show.message};
}

std::string dimensionText(double value)
{
    return num::format(value, "0.0");
}

std::string heatpipeCode(std::string_view prefix, int64_t finsPerInch, int64_t rows, int64_t tubesHigh,
                         int64_t finnedLength_mm)
{
    return std::string(prefix) + num::S(finsPerInch) + "." + num::S(rows) + " -" + num::S(tubesHigh) + "T x" +
           num::S(finnedLength_mm);
}

bool isTwoSections(int32_t finnedHeight_mm)
{
    return finnedHeight_mm > kLargestOneSectionHeight_mm;
}

Sections largerSection(int32_t tubesHigh)
{
    if (tubesHigh % 2 == 0) {
        return {tubesHigh / 2, 0};
    }
    return {(tubesHigh + 1) / 2, kOneTubeDifference_mm};
}

std::string twoSectionNote(bool horizontal, double sectionOverallHeight_mm, int32_t heightDifference_mm)
{
    const double wholeUnit_mm = 2 * sectionOverallHeight_mm - heightDifference_mm;
    const std::string text =
        horizontal ? "* HEAT PIPE SUPPLIED IN TWO SECTIONS STACKED ONE ON TOP OF THE OTHER. ONLY ONE OF THE "
                     "SECTIONS IS SHOWN, OVERALL HEIGHT = "
                   : "* HEAT PIPE SUPPLIED IN TWO SECTIONS FITTED SIDE BY SIDE. ONLY ONE OF THE SECTIONS IS "
                     "SHOWN, OVERALL WIDTH = ";
    return text + dimensionText(wholeUnit_mm) + " mm *";
}

bool hasDrainpan(std::string_view drainpanType)
{
    return drainpanType == "Flat Drainpan" || drainpanType == "Sloping Drainpan";
}

std::string todayText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d/%m/%Y", &local);
    return text;
}

} // namespace vexa::ga
