#pragma once

// Inside of WordDocument, shared by the files that implement it; not installed.

#include "ga/OoxmlPackage.h"
#include "ga/WordDocument.h"

#include <pugixml.hpp>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::ga {

// Parse and save so that nothing of the document changes but what is edited.
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
constexpr unsigned kSaveFlags = pugi::format_raw | pugi::format_no_declaration;

// One XML part that holds text: the main document, a header or a footer.
struct Story {
    std::string part;
    pugi::xml_document xml;
};

struct WordDocument::Impl {
    OoxmlPackage package;
    std::string mainPart;                        // "word/document.xml"
    std::vector<std::unique_ptr<Story>> stories; // the main document first

    pugi::xml_node body() const;
    std::vector<pugi::xml_node> bookmarkStarts(std::string_view name) const;
    // Serialises the stories back into the package.
    void storeStories();
    std::string relationshipsPart() const; // "word/_rels/document.xml.rels"
};

namespace xml {

bool equalsIgnoreCase(std::string_view a, std::string_view b);
std::string_view name(pugi::xml_node node);
// Every element under root (root included) in document order that passes the test.
std::vector<pugi::xml_node> collect(pugi::xml_node root, const std::function<bool(pugi::xml_node)>& test);
// The same, without looking into shape properties (geometry, outline and fill of a
// drawing), which never hold text but make up most of a drawing's XML.
std::vector<pugi::xml_node> collectText(pugi::xml_node root, const std::function<bool(pugi::xml_node)>& test);
// The nearest ancestor (or the node itself) of that element name, or an empty node.
pugi::xml_node ancestor(pugi::xml_node node, std::string_view elementName);
std::string toString(const pugi::xml_document& doc);
void parse(pugi::xml_document& doc, const std::string& bytes, const std::string& partName);
// A folder-relative relationship target resolved against the part that owns it.
std::string resolveTarget(const std::string& ownerPart, const std::string& target);

} // namespace xml

// Replaces what the bookmark starting at start holds with text (BookmarkRange.cpp).
void replaceBookmarkRange(pugi::xml_node start, std::string_view text);
// The text that the bookmark starting at start holds.
std::string bookmarkRangeText(pugi::xml_node start);
// Writes the table's XML as the child of parent before the node `before` (TableXml.cpp).
void insertTableXml(pugi::xml_node parent, pugi::xml_node before, const WordTable& table,
                    int textWidth_twips);

} // namespace vexa::ga
