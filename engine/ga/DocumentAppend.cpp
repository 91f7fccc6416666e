// Appending one document's body to another, as pasting a whole document at the
// end of the first does: the content comes with its bookmarks (renumbered, and
// dropped where the first document has the name already), its pictures and links.

#include "ga/DocumentError.h"
#include "ga/WordDocument.h"
#include "ga/WordDocumentImpl.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace vexa::ga {

namespace {

using pugi::xml_node;

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isMarker(xml_node n)
{
    return xml::name(n) == "w:bookmarkStart" || xml::name(n) == "w:bookmarkEnd";
}

// Namespaces that the appended content uses must be declared in this document too.
void carryNamespaces(xml_node from, xml_node to)
{
    for (pugi::xml_attribute a : from.attributes()) {
        const std::string_view n = a.name();
        if (n.rfind("xmlns:", 0) == 0 && !to.attribute(a.name())) {
            to.append_attribute(a.name()) = a.value();
        }
    }
    const std::string ignorable = to.attribute("mc:Ignorable").value();
    std::string merged = ignorable;
    std::string token;
    for (const char* p = from.attribute("mc:Ignorable").value();; ++p) {
        if (*p == ' ' || *p == '\0') {
            if (!token.empty() && (" " + ignorable + " ").find(" " + token + " ") == std::string::npos) {
                merged += (merged.empty() ? "" : " ") + token;
            }
            token.clear();
            if (*p == '\0') {
                break;
            }
        } else {
            token += *p;
        }
    }
    if (!merged.empty()) {
        if (!to.attribute("mc:Ignorable")) {
            to.append_attribute("mc:Ignorable");
        }
        to.attribute("mc:Ignorable") = merged.c_str();
    }
}

int largestId(const WordDocument::Impl& doc, const std::function<bool(xml_node)>& test, const char* attribute)
{
    int largest = 0;
    for (const auto& story : doc.stories) {
        for (xml_node n : xml::collectText(story->xml, test)) {
            largest = std::max(largest, n.attribute(attribute).as_int(0));
        }
    }
    return largest;
}

std::set<std::string> bookmarkNamesOf(const WordDocument::Impl& doc)
{
    std::set<std::string> names;
    for (const auto& story : doc.stories) {
        for (xml_node n :
             xml::collectText(story->xml, [](xml_node x) { return xml::name(x) == "w:bookmarkStart"; })) {
            names.insert(lower(n.attribute("w:name").value()));
        }
    }
    return names;
}

void fixBookmarks(const WordDocument::Impl& doc, const std::vector<xml_node>& copied,
                  const std::set<std::string>& taken)
{
    std::vector<xml_node> markers;
    for (xml_node node : copied) {
        for (xml_node m : xml::collectText(node, isMarker)) {
            markers.push_back(m);
        }
    }
    std::set<std::string> dropped;
    for (xml_node m : markers) {
        if (xml::name(m) == "w:bookmarkStart" && taken.count(lower(m.attribute("w:name").value())) != 0) {
            dropped.insert(m.attribute("w:id").value());
        }
    }
    int next = largestId(doc, isMarker, "w:id") + 1;
    std::map<std::string, int> renumbered;
    for (xml_node m : markers) {
        const std::string id = m.attribute("w:id").value();
        if (dropped.count(id) != 0) {
            m.parent().remove_child(m);
            continue;
        }
        if (renumbered.count(id) == 0) {
            renumbered[id] = next++;
        }
        m.attribute("w:id") = renumbered[id];
    }
}

void fixDrawingIds(const WordDocument::Impl& doc, const std::vector<xml_node>& copied)
{
    auto isDocPr = [](xml_node n) { return xml::name(n) == "wp:docPr"; };
    std::vector<xml_node> mine;
    for (xml_node node : copied) {
        for (xml_node n : xml::collect(node, isDocPr)) {
            mine.push_back(n);
        }
    }
    int next = largestId(doc, isDocPr, "id") + 1;
    for (xml_node n : mine) {
        n.attribute("id") = next++;
    }
}

class RelationshipCarrier {
public:
    RelationshipCarrier(WordDocument::Impl& to, const WordDocument::Impl& from) : m_to(to), m_from(from)
    {
        load(m_toRels, m_to, m_to.relationshipsPart());
        load(m_fromRels, m_from, m_from.relationshipsPart());
        xml::parse(m_toTypes, m_to.package.part("[Content_Types].xml"), "[Content_Types].xml");
        xml::parse(m_fromTypes, m_from.package.part("[Content_Types].xml"), "[Content_Types].xml");
    }

    void carry(const std::vector<xml_node>& copied)
    {
        std::map<std::string, std::string> newIds;
        for (xml_node node : copied) {
            for (xml_node n : xml::collect(node, [](xml_node) { return true; })) {
                for (pugi::xml_attribute a : n.attributes()) {
                    if (std::string_view(a.name()).rfind("r:", 0) != 0) {
                        continue;
                    }
                    if (newIds.count(a.value()) == 0) {
                        newIds[a.value()] = carryOne(a.value());
                    }
                    a = newIds[a.value()].c_str();
                }
            }
        }
        if (!newIds.empty()) {
            m_to.package.setPart(m_to.relationshipsPart(), xml::toString(m_toRels));
            m_to.package.setPart("[Content_Types].xml", xml::toString(m_toTypes));
        }
    }

private:
    static void load(pugi::xml_document& rels, const WordDocument::Impl& doc, const std::string& part)
    {
        if (doc.package.has(part)) {
            xml::parse(rels, doc.package.part(part), part);
        } else {
            rels.append_child("Relationships").append_attribute("xmlns") =
                "http://schemas.openxmlformats.org/package/2006/relationships";
        }
    }

    std::string carryOne(const std::string& id)
    {
        const xml_node rel =
            m_fromRels.child("Relationships").find_child_by_attribute("Relationship", "Id", id.c_str());
        if (!rel) {
            throw DocumentError(DocumentError::Kind::AppendFailed,
                                "The appended document refers to a missing relationship " + id + ".");
        }
        xml_node added = m_toRels.child("Relationships").append_copy(rel);
        const std::string newId = freeId();
        added.attribute("Id") = newId.c_str();
        if (std::string_view(rel.attribute("TargetMode").value()) == "External") {
            return newId;
        }
        const std::string part = xml::resolveTarget(m_from.mainPart, rel.attribute("Target").value());
        const auto slash = part.find_last_of('/');
        const std::string ownRels = part.substr(0, slash + 1) + "_rels/" + part.substr(slash + 1) + ".rels";
        if (!m_from.package.has(part) || m_from.package.has(ownRels)) {
            throw DocumentError(DocumentError::Kind::AppendFailed,
                                "The appended document's part " + part +
                                    " cannot be carried over; keep continuation documents to text, tables, "
                                    "bookmarks and pictures.");
        }
        const std::string newPart = freePartName(part);
        m_to.package.setPart(newPart, m_from.package.part(part));
        added.attribute("Target") = ("/" + newPart).c_str();
        carryContentType(part, newPart);
        return newId;
    }

    std::string freeId() const
    {
        for (int n = 1;; ++n) {
            const std::string id = "rIdA" + std::to_string(n);
            if (!m_toRels.child("Relationships").find_child_by_attribute("Relationship", "Id", id.c_str())) {
                return id;
            }
        }
    }

    std::string freePartName(const std::string& part) const
    {
        const auto dot = part.find_last_of('.');
        const std::string base = dot == std::string::npos ? part : part.substr(0, dot);
        const std::string extension = dot == std::string::npos ? "" : part.substr(dot);
        std::string name = part;
        for (int n = 2; m_to.package.has(name); ++n) {
            name = base + "_" + std::to_string(n) + extension;
        }
        return name;
    }

    void carryContentType(const std::string& part, const std::string& newPart)
    {
        xml_node types = m_toTypes.child("Types");
        if (xml_node over = m_fromTypes.child("Types").find_child_by_attribute("Override", "PartName",
                                                                               ("/" + part).c_str())) {
            xml_node added = types.append_copy(over);
            added.attribute("PartName") = ("/" + newPart).c_str();
            return;
        }
        const auto dot = part.find_last_of('.');
        const std::string extension = dot == std::string::npos ? "" : part.substr(dot + 1);
        if (types.find_child_by_attribute("Default", "Extension", extension.c_str())) {
            return;
        }
        if (xml_node def = m_fromTypes.child("Types").find_child_by_attribute("Default", "Extension",
                                                                              extension.c_str())) {
            types.prepend_copy(def);
        }
    }

    WordDocument::Impl& m_to;
    const WordDocument::Impl& m_from;
    pugi::xml_document m_toRels;
    pugi::xml_document m_fromRels;
    pugi::xml_document m_toTypes;
    pugi::xml_document m_fromTypes;
};

} // namespace

void WordDocument::append(const WordDocument& other)
{
    RelationshipCarrier carrier(*m, *other.m);
    carryNamespaces(other.m->stories.front()->xml.child("w:document"),
                    m->stories.front()->xml.child("w:document"));

    xml_node body = m->body();
    xml_node sectPr = body.last_child();
    if (xml::name(sectPr) != "w:sectPr") {
        sectPr = {};
    }
    const std::set<std::string> taken = bookmarkNamesOf(*m);
    std::vector<xml_node> copied;
    for (xml_node child : other.m->body().children()) {
        if (xml::name(child) == "w:sectPr" && !child.next_sibling()) {
            break;
        }
        copied.push_back(sectPr ? body.insert_copy_before(child, sectPr) : body.append_copy(child));
    }
    // A section break inside the appended content keeps its page set-up, not the
    // other document's headers and footers.
    for (xml_node node : copied) {
        for (xml_node ref : xml::collect(node, [](xml_node n) {
                 return xml::name(n) == "w:headerReference" || xml::name(n) == "w:footerReference";
             })) {
            ref.parent().remove_child(ref);
        }
    }
    fixBookmarks(*m, copied, taken);
    fixDrawingIds(*m, copied);
    carrier.carry(copied);
}

} // namespace vexa::ga
