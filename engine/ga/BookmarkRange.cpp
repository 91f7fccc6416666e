// Replacing what a bookmark holds, the way a word processor sets a range's text:
// everything between the bookmark's start and end goes, paragraphs that the range
// joins become one, and the new text takes the look of the text it replaces.

#include "ga/WordDocumentImpl.h"

#include <map>
#include <set>

namespace vexa::ga {

namespace {

using pugi::xml_node;

bool isStoryRoot(xml_node node)
{
    const std::string_view n = xml::name(node);
    return n == "w:body" || n == "w:txbxContent" || n == "w:hdr" || n == "w:ftr" || n == "w:footnote" ||
           n == "w:endnote" || n == "w:comment" || node.type() == pugi::node_document;
}

xml_node storyRoot(xml_node node)
{
    for (node = node.parent(); node && !isStoryRoot(node); node = node.parent()) {
    }
    return node;
}

bool contains(xml_node outer, xml_node inner)
{
    for (; inner; inner = inner.parent()) {
        if (inner == outer) {
            return true;
        }
    }
    return false;
}

// The next node in document order that is not inside node.
xml_node following(xml_node node)
{
    for (; node; node = node.parent()) {
        if (node.next_sibling()) {
            return node.next_sibling();
        }
    }
    return {};
}

xml_node findEnd(xml_node start)
{
    const std::string_view id = start.attribute("w:id").value();
    const xml_node root = storyRoot(start);
    xml_node node = following(start);
    while (node && contains(root, node)) {
        if (xml::name(node) == "w:bookmarkEnd" && id == start.attribute("w:id").value() &&
            id == std::string_view(node.attribute("w:id").value())) {
            return node;
        }
        node = node.first_child() ? node.first_child() : following(node);
    }
    return {};
}

// Properties of a paragraph, run, table, row, cell or section stay where they are.
bool isProperties(xml_node node)
{
    const std::string_view n = xml::name(node);
    return (n.size() > 2 && n.substr(n.size() - 2) == "Pr") || n == "w:tblGrid";
}

// A container that may lose its content but not itself: table rows and cells, and
// the one last paragraph that a cell or a text box must keep.
bool mustKeep(xml_node node)
{
    const std::string_view n = xml::name(node);
    if (n == "w:tr" || n == "w:tc") {
        return true;
    }
    if (n != "w:p") {
        return false;
    }
    const std::string_view parent = xml::name(node.parent());
    if (parent != "w:tc" && parent != "w:txbxContent") {
        return false;
    }
    for (xml_node next = node.next_sibling(); next; next = next.next_sibling()) {
        if (xml::name(next) == "w:p" || xml::name(next) == "w:tbl") {
            return false;
        }
    }
    return true;
}

// The nodes wholly inside the range, outermost only.
std::vector<xml_node> nodesBetween(xml_node start, xml_node end)
{
    std::vector<xml_node> inside;
    xml_node node = following(start);
    while (node && node != end) {
        if (isProperties(node)) {
            node = following(node);
        } else if (contains(node, end) || mustKeep(node)) {
            node = node.first_child() ? node.first_child() : following(node);
        } else {
            inside.push_back(node);
            node = following(node);
        }
    }
    return inside;
}

xml_node firstRunProperties(const std::vector<xml_node>& nodes)
{
    for (xml_node node : nodes) {
        for (xml_node run : xml::collect(node, [](xml_node n) { return xml::name(n) == "w:r"; })) {
            if (run.child("w:rPr")) {
                return run.child("w:rPr");
            }
        }
    }
    return {};
}

// The look of the text beside the bookmark when the range holds none.
xml_node neighbourRunProperties(xml_node start)
{
    for (xml_node n = start.previous_sibling(); n; n = n.previous_sibling()) {
        if (xml::name(n) == "w:r" && n.child("w:rPr")) {
            return n.child("w:rPr");
        }
    }
    for (xml_node n = start.next_sibling(); n; n = n.next_sibling()) {
        if (xml::name(n) == "w:r" && n.child("w:rPr")) {
            return n.child("w:rPr");
        }
    }
    const xml_node paragraph = xml::ancestor(start, "w:p");
    return paragraph.child("w:pPr").child("w:rPr");
}

// Bookmarks of other names that the range cuts: the half inside would be lost with
// the content, so it is kept beside the start. Bookmarks wholly inside go, as the
// text they marked does.
void keepCutBookmarks(xml_node start, const std::vector<xml_node>& inside)
{
    std::map<std::string, std::vector<xml_node>> markers;
    for (xml_node node : inside) {
        for (xml_node marker : xml::collect(node, [](xml_node n) {
                 return xml::name(n) == "w:bookmarkStart" || xml::name(n) == "w:bookmarkEnd";
             })) {
            markers[marker.attribute("w:id").value()].push_back(marker);
        }
    }
    xml_node after = start;
    for (const auto& [id, found] : markers) {
        if (found.size() == 1) {
            after = start.parent().insert_copy_after(found.front(), after);
        }
    }
}

void appendText(xml_node run, std::string_view text)
{
    std::string piece;
    auto flush = [&] {
        if (!piece.empty()) {
            xml_node t = run.append_child("w:t");
            t.append_attribute("xml:space") = "preserve";
            t.text() = piece.c_str();
            piece.clear();
        }
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\t') {
            flush();
            run.append_child("w:tab");
        } else if (c == '\n' || c == '\r') {
            flush();
            run.append_child("w:br");
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            piece += c;
        }
    }
    flush();
}

// Joins the paragraph that holds the end to the one that holds the start, when the
// range ran from one into the other and nothing is left between them.
void joinParagraphs(xml_node start, xml_node end)
{
    xml_node first = xml::ancestor(start, "w:p");
    const xml_node second = xml::ancestor(end, "w:p");
    if (!first || !second || first == second || first.next_sibling() != second ||
        second.child("w:pPr").child("w:sectPr")) {
        return;
    }
    for (xml_node child = second.first_child(); child;) {
        const xml_node next = child.next_sibling();
        if (xml::name(child) != "w:pPr") {
            first.append_move(child);
        }
        child = next;
    }
    second.parent().remove_child(second);
}

} // namespace

void replaceBookmarkRange(xml_node start, std::string_view text)
{
    const xml_node end = findEnd(start);
    const std::vector<xml_node> inside = end ? nodesBetween(start, end) : std::vector<xml_node>{};

    pugi::xml_document look;
    if (xml_node props =
            firstRunProperties(inside) ? firstRunProperties(inside) : neighbourRunProperties(start)) {
        look.append_copy(props).set_name("w:rPr");
    }

    keepCutBookmarks(start, inside);
    for (xml_node node : inside) {
        node.parent().remove_child(node);
    }
    if (end) {
        joinParagraphs(start, end);
    }

    xml_node last = start;
    if (!text.empty()) {
        xml_node container = start.parent();
        if (!xml::ancestor(start, "w:p")) {
            // A start between paragraphs: the text needs a paragraph of its own.
            container = start.parent().insert_child_after("w:p", start);
            last = container;
        }
        xml_node run = xml::ancestor(start, "w:p") ? container.insert_child_after("w:r", start)
                                                   : container.append_child("w:r");
        if (look.first_child()) {
            run.append_copy(look.first_child());
        }
        appendText(run, text);
        if (xml::ancestor(start, "w:p")) {
            last = run;
        }
    }
    if (!end) {
        // Tolerated without its end: the text goes at the start and the bookmark is
        // closed after it, so that a later write replaces it again.
        xml_node closing = last.parent().insert_child_after("w:bookmarkEnd", last);
        closing.append_attribute("w:id") = start.attribute("w:id").value();
    }
}

std::string bookmarkRangeText(xml_node start)
{
    const xml_node end = findEnd(start);
    if (!end) {
        return {};
    }
    std::string text;
    xml_node node = following(start);
    while (node && node != end) {
        const std::string_view n = xml::name(node);
        if (n == "w:t") {
            text += node.text().get();
        } else if (n == "w:tab") {
            text += '\t';
        } else if (n == "w:br" || (n == "w:p" && !text.empty())) {
            text += '\n';
        }
        node = node.first_child() ? node.first_child() : following(node);
    }
    return text;
}

} // namespace vexa::ga
