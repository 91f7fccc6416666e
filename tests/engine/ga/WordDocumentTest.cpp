#include "DocxFixture.h"

#include "ga/DocumentError.h"
#include "ga/WordDocument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

using namespace vexa::ga;
using namespace vexa::ga::test;

namespace {

constexpr const char* kTextBox =
    R"(<w:p><w:r><mc:AlternateContent><mc:Choice Requires="wps"><w:drawing><wp:anchor><wp:docPr id="1" name="Box"/>)"
    R"(<a:graphic><a:graphicData uri="http://schemas.microsoft.com/office/word/2010/wordprocessingShape"><wps:wsp>)"
    R"(<wps:txbx><w:txbxContent><w:p><w:bookmarkStart w:id="5" w:name="FinnedLength"/>)"
    R"(<w:r><w:t>0000.0</w:t></w:r><w:bookmarkEnd w:id="5"/></w:p></w:txbxContent></wps:txbx>)"
    R"(</wps:wsp></a:graphicData></a:graphic></wp:anchor></w:drawing></mc:Choice>)"
    R"(<mc:Fallback><w:pict><v:rect><v:textbox><w:txbxContent><w:p><w:bookmarkStart w:id="5" w:name="FinnedLength"/>)"
    R"(<w:r><w:t>0000.0</w:t></w:r><w:bookmarkEnd w:id="5"/></w:p></w:txbxContent></v:textbox></v:rect></w:pict>)"
    R"(</mc:Fallback></mc:AlternateContent></w:r></w:p>)";

constexpr const char* kInParagraph =
    R"(<w:p><w:r><w:t xml:space="preserve">Height </w:t></w:r><w:bookmarkStart w:id="1" w:name="OverallHeight"/>)"
    R"(<w:r><w:rPr><w:b/><w:sz w:val="16"/></w:rPr><w:t>0000.0</w:t></w:r><w:bookmarkEnd w:id="1"/>)"
    R"(<w:r><w:t xml:space="preserve"> mm</w:t></w:r></w:p>)";

struct SetTextCase {
    const char* what;
    const char* body;
    const char* bookmark;
    const char* text;
    std::vector<std::string> bookmarkTexts; // every occurrence, read back
    const char* bodyText;                   // the body's paragraphs joined by '|'
};

// clang-format off
const SetTextCase kSetTextCases[] = {
    {"in a paragraph",       kInParagraph, "OverallHeight", "1204.0", {"1204.0"}, "Height 1204.0 mm"},
    {"emptied",              kInParagraph, "OverallHeight", "",       {""},       "Height  mm"},
    {"name in other case",   kInParagraph, "overallHEIGHT", "816.0",  {"816.0"},  "Height 816.0 mm"},
    {"escaped characters",   kInParagraph, "OverallHeight", "<1 & \"2\">", {"<1 & \"2\">"}, "Height <1 & \"2\"> mm"},
    {"control characters",   kInParagraph, "OverallHeight", "A\x01" "B\x1f", {"AB"},    "Height AB mm"},
    {"text box and its fallback", kTextBox, "FinnedLength", "1800.0", {"1800.0", "1800.0"}, "1800.0|1800.0"},
    {"repeated name",
     R"(<w:p><w:bookmarkStart w:id="1" w:name="FlangeWidth1"/><w:r><w:t>a</w:t></w:r><w:bookmarkEnd w:id="1"/></w:p>)"
     R"(<w:p><w:bookmarkStart w:id="2" w:name="FlangeWidth1"/><w:r><w:t>b</w:t></w:r><w:bookmarkEnd w:id="2"/></w:p>)",
     "FlangeWidth1", "219.0", {"219.0", "219.0"}, "219.0|219.0"},
    {"without its end",
     R"(<w:p><w:bookmarkStart w:id="3" w:name="Date"/><w:r><w:t>rest</w:t></w:r></w:p>)",
     "Date", "01/02/2025", {"01/02/2025"}, "01/02/2025rest"},
    {"across paragraphs, which it joins",
     R"(<w:p><w:r><w:t>A</w:t></w:r><w:bookmarkStart w:id="4" w:name="Stacked"/><w:r><w:t>one</w:t></w:r></w:p>)"
     R"(<w:p><w:r><w:t>two</w:t></w:r></w:p>)"
     R"(<w:p><w:r><w:t>three</w:t></w:r><w:bookmarkEnd w:id="4"/><w:r><w:t>B</w:t></w:r></w:p>)",
     "Stacked", "NOTE", {"NOTE"}, "ANOTEB"},
    {"empty range",
     R"(<w:p><w:r><w:t>x</w:t></w:r><w:bookmarkStart w:id="6" w:name="Note"/><w:bookmarkEnd w:id="6"/></w:p>)",
     "Note", "NOTE.", {"NOTE."}, "xNOTE."},
    {"start between paragraphs",
     R"(<w:bookmarkStart w:id="7" w:name="Block"/><w:p><w:r><w:t>old</w:t></w:r></w:p><w:bookmarkEnd w:id="7"/>)"
     R"(<w:p><w:r><w:t>after</w:t></w:r></w:p>)",
     "Block", "new", {"new"}, "new|after"},
    {"last paragraph of a cell kept",
     R"(<w:tbl><w:tr><w:tc><w:p><w:bookmarkStart w:id="8" w:name="Cell"/><w:r><w:t>a</w:t></w:r></w:p>)"
     R"(<w:p><w:r><w:t>b</w:t></w:r><w:bookmarkEnd w:id="8"/></w:p></w:tc></w:tr></w:tbl>)",
     "Cell", "c", {"c"}, "c"},
};
// clang-format on

std::filesystem::path saveAndParse(const WordDocument& doc, const TempFolder& folder, pugi::xml_document& xml)
{
    const auto saved = doc.saveAs(folder.path() / "out", "Doc");
    parsePart(xml, saved, "word/document.xml");
    return saved;
}

// The text of every innermost paragraph, joined by '|'.
std::string bodyText(const pugi::xml_document& xml)
{
    std::string text;
    bool first = true;
    for (pugi::xpath_node p : xml.select_nodes("//w:p[not(.//w:p)]")) {
        if (!first) {
            text += '|';
        }
        text += paragraphText(p.node());
        first = false;
    }
    return text;
}

} // namespace

TEST(WordDocument, SetBookmarkTextPutsTheTextInEveryOccurrence)
{
    for (const SetTextCase& c : kSetTextCases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        WordDocument doc = WordDocument::fromTemplate(writeTemplate(folder.path() / "t.dotx", c.body));
        EXPECT_EQ(doc.setBookmarkText(c.bookmark, c.text), static_cast<int>(c.bookmarkTexts.size()));
        pugi::xml_document xml;
        saveAndParse(doc, folder, xml);
        EXPECT_EQ(
            bookmarkTexts(xml, c.bookmark == std::string("overallHEIGHT") ? "OverallHeight" : c.bookmark),
            c.bookmarkTexts);
        EXPECT_EQ(bodyText(xml), c.bodyText);
    }
}

TEST(WordDocument, ASecondWriteReplacesTheFirst)
{
    for (const SetTextCase& c : kSetTextCases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        WordDocument doc = WordDocument::fromTemplate(writeTemplate(folder.path() / "t.dotx", c.body));
        doc.setBookmarkText(c.bookmark, "first");
        doc.setBookmarkText(c.bookmark, "second");
        EXPECT_EQ(doc.bookmarkText(c.bookmark), "second");
        pugi::xml_document xml;
        saveAndParse(doc, folder, xml);
        EXPECT_EQ(bodyText(xml).find("first"), std::string::npos);
    }
}

TEST(WordDocument, NewTextKeepsTheLookOfTheTextItReplaces)
{
    TempFolder folder;
    WordDocument doc = WordDocument::fromTemplate(
        writeTemplate(folder.path() / "t.dotx",
                      std::string(kInParagraph) +
                          R"(<w:p><w:r><w:rPr><w:i/></w:rPr><w:t>x</w:t></w:r>)"
                          R"(<w:bookmarkStart w:id="6" w:name="Note"/><w:bookmarkEnd w:id="6"/></w:p>)"));
    doc.setBookmarkText("OverallHeight", "1204.0");
    doc.setBookmarkText("Note", "line one\nline two\tend");
    pugi::xml_document xml;
    saveAndParse(doc, folder, xml);
    const pugi::xml_node height = xml.select_node("//w:r[w:t='1204.0']").node();
    EXPECT_TRUE(height.child("w:rPr").child("w:b")) << "bold of the placeholder kept";
    EXPECT_STREQ(height.child("w:rPr").child("w:sz").attribute("w:val").value(), "16");
    const pugi::xml_node note = xml.select_node("//w:r[w:t='line one']").node();
    EXPECT_TRUE(note.child("w:rPr").child("w:i")) << "an empty range takes the look of the text before it";
    EXPECT_TRUE(note.child("w:br"));
    EXPECT_TRUE(note.child("w:tab"));
}

TEST(WordDocument, BookmarksInsideTheRangeGoAndCutOnesStay)
{
    TempFolder folder;
    WordDocument doc = WordDocument::fromTemplate(writeTemplate(
        folder.path() / "t.dotx",
        R"(<w:p><w:bookmarkStart w:id="1" w:name="Outer"/><w:r><w:t>a</w:t></w:r>)"
        R"(<w:bookmarkStart w:id="2" w:name="Inner"/><w:r><w:t>b</w:t></w:r><w:bookmarkEnd w:id="2"/>)"
        R"(<w:bookmarkStart w:id="3" w:name="Cut"/><w:r><w:t>c</w:t></w:r><w:bookmarkEnd w:id="1"/>)"
        R"(<w:r><w:t>d</w:t></w:r><w:bookmarkEnd w:id="3"/></w:p>)"));
    doc.setBookmarkText("Outer", "X");
    EXPECT_FALSE(doc.hasBookmark("Inner"));
    EXPECT_EQ(doc.bookmarkText("Cut"), "d") << "a cut bookmark keeps what is left of it, not the new text";
    pugi::xml_document xml;
    saveAndParse(doc, folder, xml);
    EXPECT_EQ(bookmarkTexts(xml, "Outer"), std::vector<std::string>{"X"});
    EXPECT_EQ(xml.select_nodes("//w:bookmarkEnd[@w:id='3']").size(), 1U);
}

TEST(WordDocument, MissingBookmark)
{
    TempFolder folder;
    WordDocument doc = WordDocument::fromTemplate(writeTemplate(folder.path() / "t.dotx", kInParagraph));
    try {
        doc.setBookmarkText("ExtractAir", "1.0");
        FAIL() << "no error";
    } catch (const DocumentError& e) {
        EXPECT_EQ(e.kind(), DocumentError::Kind::BookmarkMissing);
        EXPECT_STREQ(e.what(), "The document has no bookmark ExtractAir.");
    }
    EXPECT_EQ(doc.setBookmarkTextIfPresent("ExtractAir", "1.0"), 0);
    EXPECT_THROW(doc.addTable("Summary", WordTable(1, 1)), DocumentError);
    EXPECT_EQ(doc.bookmarkText("OverallHeight"), "0000.0") << "the document is unchanged";
}

TEST(WordDocument, BookmarkNamesInDocumentOrderOnce)
{
    TempFolder folder;
    WordDocument doc = WordDocument::fromTemplate(
        writeTemplate(folder.path() / "t.dotx", std::string(kInParagraph) + kTextBox + kInParagraph));
    EXPECT_EQ(doc.bookmarkNames(), (std::vector<std::string>{"OverallHeight", "FinnedLength"}));
}
