#include "ga/WordDocument.h"

#include "common/OutputFiles.h"
#include "ga/DocumentError.h"
#include "ga/WordDocumentImpl.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa::ga {

namespace {

constexpr std::string_view kRelOfficeDocument =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
constexpr std::string_view kDocumentContentType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
// A4 with 25.4 mm margins: the text width when a document gives none, in twentieths of a point.
constexpr int kDefaultTextWidth_twips = 9026;

bool endsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string findMainPart(const OoxmlPackage& package)
{
    if (!package.has("[Content_Types].xml") || !package.has("_rels/.rels")) {
        throw DocumentError(
            DocumentError::Kind::TemplateInvalid,
            "The file is not a word-processing document: it has no content types or relationships.");
    }
    pugi::xml_document rels;
    xml::parse(rels, package.part("_rels/.rels"), "_rels/.rels");
    for (pugi::xml_node rel : rels.first_element_by_path("Relationships").children("Relationship")) {
        if (rel.attribute("Type").value() == kRelOfficeDocument) {
            return xml::resolveTarget("", rel.attribute("Target").value());
        }
    }
    throw DocumentError(DocumentError::Kind::TemplateInvalid,
                        "The file is not a word-processing document: it names no main document.");
}

// Removes characters that XML 1.0 cannot carry; tabs and line ends stay.
std::string xmlSafe(std::string_view text)
{
    std::string safe;
    safe.reserve(text.size());
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 || c == '\t' || c == '\n' || c == '\r') {
            safe += c;
        }
    }
    return safe;
}

int textWidth(const pugi::xml_node body)
{
    const pugi::xml_node sectPr = body.child("w:sectPr");
    const int page = sectPr.child("w:pgSz").attribute("w:w").as_int(0);
    const int left = sectPr.child("w:pgMar").attribute("w:left").as_int(0);
    const int right = sectPr.child("w:pgMar").attribute("w:right").as_int(0);
    return page - left - right > 0 ? page - left - right : kDefaultTextWidth_twips;
}

std::string stemSafe(std::string_view stem)
{
    std::string safe;
    for (char c : stem) {
        safe += (c == '/' || static_cast<unsigned char>(c) < 0x20) ? '_' : c;
    }
    if (safe.empty() || safe == "." || safe == "..") {
        safe = "Document";
    }
    return safe;
}

} // namespace

namespace xml {

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view name(pugi::xml_node node)
{
    return node.name();
}

namespace {

bool isShapeProperties(pugi::xml_node node)
{
    const std::string_view n = node.name();
    return n.size() > 6 && n.substr(n.size() - 6) == ":spPr";
}

std::vector<pugi::xml_node> walk(pugi::xml_node root, const std::function<bool(pugi::xml_node)>& test,
                                 bool skipShapeProperties)
{
    std::vector<pugi::xml_node> found;
    std::vector<pugi::xml_node> stack{root};
    while (!stack.empty()) {
        pugi::xml_node node = stack.back();
        stack.pop_back();
        if (node.type() == pugi::node_element && test(node)) {
            found.push_back(node);
        }
        // Children pushed last first, so that they come out in document order.
        for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling()) {
            if (child.type() == pugi::node_element && !(skipShapeProperties && isShapeProperties(child))) {
                stack.push_back(child);
            }
        }
    }
    return found;
}

} // namespace

std::vector<pugi::xml_node> collect(pugi::xml_node root, const std::function<bool(pugi::xml_node)>& test)
{
    return walk(root, test, false);
}

std::vector<pugi::xml_node> collectText(pugi::xml_node root, const std::function<bool(pugi::xml_node)>& test)
{
    return walk(root, test, true);
}

pugi::xml_node ancestor(pugi::xml_node node, std::string_view elementName)
{
    for (; node; node = node.parent()) {
        if (name(node) == elementName) {
            return node;
        }
    }
    return {};
}

std::string toString(const pugi::xml_document& doc)
{
    std::ostringstream out;
    doc.save(out, "", kSaveFlags, pugi::encoding_utf8);
    return std::move(out).str();
}

void parse(pugi::xml_document& doc, const std::string& bytes, const std::string& partName)
{
    const pugi::xml_parse_result result = doc.load_buffer(bytes.data(), bytes.size(), kParseFlags);
    if (!result) {
        throw DocumentError(DocumentError::Kind::TemplateInvalid,
                            "The part " + partName +
                                " of the document is not valid XML: " + result.description() + ".");
    }
}

std::string resolveTarget(const std::string& ownerPart, const std::string& target)
{
    if (!target.empty() && target.front() == '/') {
        return target.substr(1);
    }
    std::string folder = ownerPart.substr(
        0, ownerPart.find_last_of('/') == std::string::npos ? 0 : ownerPart.find_last_of('/') + 1);
    std::string rest = target;
    while (rest.rfind("../", 0) == 0) {
        rest = rest.substr(3);
        if (!folder.empty()) {
            folder.pop_back();
            const auto slash = folder.find_last_of('/');
            folder = slash == std::string::npos ? "" : folder.substr(0, slash + 1);
        }
    }
    if (rest.rfind("./", 0) == 0) {
        rest = rest.substr(2);
    }
    return folder + rest;
}

} // namespace xml

pugi::xml_node WordDocument::Impl::body() const
{
    return stories.front()->xml.child("w:document").child("w:body");
}

std::vector<pugi::xml_node> WordDocument::Impl::bookmarkStarts(std::string_view name) const
{
    std::vector<pugi::xml_node> starts;
    for (const auto& story : stories) {
        for (pugi::xml_node node : xml::collectText(story->xml, [&](pugi::xml_node n) {
                 return xml::name(n) == "w:bookmarkStart" &&
                        xml::equalsIgnoreCase(n.attribute("w:name").value(), name);
             })) {
            starts.push_back(node);
        }
    }
    return starts;
}

void WordDocument::Impl::storeStories()
{
    for (const auto& story : stories) {
        package.setPart(story->part, xml::toString(story->xml));
    }
}

std::string WordDocument::Impl::relationshipsPart() const
{
    const auto slash = mainPart.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : mainPart.substr(0, slash + 1);
    const std::string file = slash == std::string::npos ? mainPart : mainPart.substr(slash + 1);
    return folder + "_rels/" + file + ".rels";
}

WordDocument::WordDocument(std::unique_ptr<Impl> impl) : m(std::move(impl))
{
}
WordDocument::WordDocument(WordDocument&&) noexcept = default;
WordDocument& WordDocument::operator=(WordDocument&&) noexcept = default;
WordDocument::~WordDocument() = default;

WordDocument WordDocument::fromTemplate(const std::filesystem::path& templateFile)
{
    auto impl = std::make_unique<Impl>();
    impl->package = OoxmlPackage::read(templateFile);
    try {
        impl->mainPart = findMainPart(impl->package);
        auto main = std::make_unique<Story>();
        main->part = impl->mainPart;
        xml::parse(main->xml, impl->package.part(impl->mainPart), impl->mainPart);
        if (!main->xml.child("w:document").child("w:body")) {
            throw DocumentError(DocumentError::Kind::TemplateInvalid, "The main part has no document body.");
        }
        impl->stories.push_back(std::move(main));
        const std::string relsPart = impl->relationshipsPart();
        if (impl->package.has(relsPart)) {
            pugi::xml_document rels;
            xml::parse(rels, impl->package.part(relsPart), relsPart);
            for (pugi::xml_node rel : rels.child("Relationships").children("Relationship")) {
                const std::string_view type = rel.attribute("Type").value();
                if (std::string_view(rel.attribute("TargetMode").value()) == "External" ||
                    !(endsWith(type, "/header") || endsWith(type, "/footer") ||
                      endsWith(type, "/footnotes") || endsWith(type, "/endnotes"))) {
                    continue;
                }
                auto story = std::make_unique<Story>();
                story->part = xml::resolveTarget(impl->mainPart, rel.attribute("Target").value());
                if (impl->package.has(story->part)) {
                    xml::parse(story->xml, impl->package.part(story->part), story->part);
                    impl->stories.push_back(std::move(story));
                }
            }
        }
    } catch (const DocumentError& error) {
        if (error.kind() != DocumentError::Kind::TemplateInvalid) {
            throw;
        }
        throw DocumentError(DocumentError::Kind::TemplateInvalid, "The template " + templateFile.string() +
                                                                      " is not a valid document. " +
                                                                      error.what());
    }
    return WordDocument(std::move(impl));
}

std::vector<std::string> WordDocument::bookmarkNames() const
{
    std::vector<std::string> names;
    for (const auto& story : m->stories) {
        for (pugi::xml_node node : xml::collectText(
                 story->xml, [](pugi::xml_node n) { return xml::name(n) == "w:bookmarkStart"; })) {
            const std::string name = node.attribute("w:name").value();
            if (std::none_of(names.begin(), names.end(),
                             [&](const std::string& n) { return xml::equalsIgnoreCase(n, name); })) {
                names.push_back(name);
            }
        }
    }
    return names;
}

bool WordDocument::hasBookmark(std::string_view name) const
{
    return !m->bookmarkStarts(name).empty();
}

std::string WordDocument::bookmarkText(std::string_view name) const
{
    const auto starts = m->bookmarkStarts(name);
    if (starts.empty()) {
        throw DocumentError(DocumentError::Kind::BookmarkMissing,
                            "The document has no bookmark " + std::string(name) + ".");
    }
    return bookmarkRangeText(starts.front());
}

int WordDocument::setBookmarkText(std::string_view name, std::string_view text)
{
    const int written = setBookmarkTextIfPresent(name, text);
    if (written == 0) {
        throw DocumentError(DocumentError::Kind::BookmarkMissing,
                            "The document has no bookmark " + std::string(name) + ".");
    }
    return written;
}

int WordDocument::setBookmarkTextIfPresent(std::string_view name, std::string_view text)
{
    const std::string safe = xmlSafe(text);
    auto starts = m->bookmarkStarts(name);
    if (starts.size() == 1) {
        replaceBookmarkRange(starts.front(), safe);
        return 1;
    }
    // Found again after each write: a range may hold (and so remove) another
    // bookmark of the same name, whose node would then be gone.
    int written = 0;
    for (; static_cast<size_t>(written) < starts.size(); ++written) {
        replaceBookmarkRange(starts[static_cast<size_t>(written)], safe);
        starts = m->bookmarkStarts(name);
    }
    return written;
}

void WordDocument::addTable(std::string_view bookmark, const WordTable& table)
{
    setBookmarkText(bookmark, "");
    const int width = textWidth(m->body());
    for (pugi::xml_node start : m->bookmarkStarts(bookmark)) {
        const pugi::xml_node paragraph = xml::ancestor(start, "w:p");
        const pugi::xml_node before = paragraph ? paragraph : start;
        insertTableXml(before.parent(), before, table, width);
    }
}

std::filesystem::path WordDocument::saveAs(const std::filesystem::path& folder, std::string_view stem) const
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder)) {
        throw DocumentError(DocumentError::Kind::OutputFolder,
                            "The output folder " + folder.string() + " cannot be created: " +
                                (ec ? ec.message() : std::string("a file of that name is in the way")) + ".");
    }

    m->storeStories();
    OoxmlPackage package = m->package;
    pugi::xml_document types;
    xml::parse(types, package.part("[Content_Types].xml"), "[Content_Types].xml");
    pugi::xml_node typesRoot = types.child("Types");
    pugi::xml_node override =
        typesRoot.find_child_by_attribute("Override", "PartName", ("/" + m->mainPart).c_str());
    if (!override) {
        override = typesRoot.append_child("Override");
        override.append_attribute("PartName") = ("/" + m->mainPart).c_str();
    }
    if (!override.attribute("ContentType")) {
        override.append_attribute("ContentType");
    }
    override.attribute("ContentType") = std::string(kDocumentContentType).c_str();
    package.setPart("[Content_Types].xml", xml::toString(types));

    const std::string safeStem = stemSafe(stem);
    std::string temporary = (folder / (".~" + safeStem + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        throw DocumentError(DocumentError::Kind::OutputFolder,
                            "The output folder " + folder.string() +
                                " is not writable: " + std::strerror(errno) + ".");
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    try {
        package.write(temporary);
        return output::moveToFreeName(temporary, folder, safeStem, "docx");
    } catch (const DocumentError&) {
        std::filesystem::remove(temporary, ec);
        throw;
    } catch (const std::runtime_error& failure) {
        std::filesystem::remove(temporary, ec);
        throw DocumentError(DocumentError::Kind::SaveFailed, failure.what());
    } catch (...) {
        std::filesystem::remove(temporary, ec);
        throw;
    }
}

} // namespace vexa::ga
