// Tables, appended documents, saving and the failures of templates and folders.

#include "DocxFixture.h"

#include "ga/DocumentError.h"
#include "ga/DocumentLayer.h"
#include "ga/WordDocument.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <unistd.h>

using namespace vexa::ga;
using namespace vexa::ga::test;

namespace {

std::string fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

constexpr const char* kSummary =
    R"(<w:p><w:r><w:t>Before</w:t></w:r></w:p>)"
    R"(<w:p><w:bookmarkStart w:id="9" w:name="Summary"/><w:r><w:t>placeholder</w:t></w:r>)"
    R"(<w:bookmarkEnd w:id="9"/></w:p>)";

const char* const kImageRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";

} // namespace

TEST(WordDocument, TableAtABookmarkTakesItsPlace)
{
    TempFolder folder;
    WordDocument doc = WordDocument::fromTemplate(writeTemplate(folder.path() / "t.dotx", kSummary));
    WordTable table(2, 4);
    EXPECT_EQ(table.addRow(), 3);
    table.setColumnWidthsPercent({38.7, 26.3, 13.1, 21.8});
    table.setFontSize(10);
    table.setAlignment(HAlign::Centre);
    table.cell(1, 1).text = "Unit Reference";
    table.cell(1, 1).bold = true;
    table.cell(1, 1).paragraphBorder = true;
    table.cell(2, 4).text = "1234.00";
    table.cell(2, 4).align = HAlign::Right;
    table.cell(2, 1).verticalAlign = VAlign::Centre;
    table.cell(3, 2).borders.left = Border::None;
    table.cell(3, 2).borders.bottom = Border::Single;
    table.setRowHeight(1, 15);
    doc.addTable("Summary", table);

    pugi::xml_document xml;
    parsePart(xml, doc.saveAs(folder.path(), "Quote"), "word/document.xml");
    const pugi::xml_node body = xml.child("w:document").child("w:body");
    std::vector<std::string> order;
    for (pugi::xml_node n : body.children()) {
        order.emplace_back(n.name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"w:p", "w:tbl", "w:p", "w:sectPr"}));
    EXPECT_EQ(bookmarkTexts(xml, "Summary"), std::vector<std::string>{""})
        << "placeholder gone, bookmark kept";

    const pugi::xml_node tbl = body.child("w:tbl");
    EXPECT_STREQ(tbl.child("w:tblPr").child("w:tblW").attribute("w:w").value(), "5000");
    EXPECT_STREQ(tbl.child("w:tblPr").child("w:tblW").attribute("w:type").value(), "pct");
    EXPECT_STREQ(tbl.select_node("w:tblPr/w:tblBorders/w:insideV").node().attribute("w:val").value(),
                 "single");
    EXPECT_EQ(tbl.select_nodes("w:tblGrid/w:gridCol").size(), 4U);
    EXPECT_EQ(tbl.select_nodes("w:tr").size(), 3U);
    for (pugi::xpath_node row : tbl.select_nodes("w:tr")) {
        EXPECT_EQ(row.node().select_nodes("w:tc").size(), 4U);
    }
    auto cell = [&](int r, int c) {
        return tbl.select_node(("w:tr[" + std::to_string(r) + "]/w:tc[" + std::to_string(c) + "]").c_str())
            .node();
    };
    // clang-format off
    EXPECT_STREQ(cell(1, 1).select_node("w:tcPr/w:tcW").node().attribute("w:w").value(),      "1935"); // 38.7 %
    EXPECT_STREQ(cell(1, 4).select_node("w:tcPr/w:tcW").node().attribute("w:w").value(),      "1090"); // 21.8 %
    EXPECT_EQ(paragraphText(cell(1, 1).child("w:p")),                                          "Unit Reference");
    EXPECT_TRUE(cell(1, 1).select_node("w:p/w:r/w:rPr/w:b"));
    EXPECT_FALSE(cell(2, 4).select_node("w:p/w:r/w:rPr/w:b"));
    EXPECT_STREQ(cell(2, 4).select_node("w:p/w:r/w:rPr/w:sz").node().attribute("w:val").value(), "20"); // 10 pt
    EXPECT_STREQ(cell(2, 4).select_node("w:p/w:pPr/w:jc").node().attribute("w:val").value(),     "right");
    EXPECT_STREQ(cell(2, 3).select_node("w:p/w:pPr/w:jc").node().attribute("w:val").value(),     "center");
    EXPECT_STREQ(cell(2, 1).select_node("w:tcPr/w:vAlign").node().attribute("w:val").value(),    "center");
    EXPECT_STREQ(cell(3, 2).select_node("w:tcPr/w:tcBorders/w:left").node().attribute("w:val").value(),   "nil");
    EXPECT_STREQ(cell(3, 2).select_node("w:tcPr/w:tcBorders/w:bottom").node().attribute("w:val").value(), "single");
    EXPECT_TRUE(cell(1, 1).select_node("w:p/w:pPr/w:pBdr/w:top"));
    EXPECT_STREQ(tbl.select_node("w:tr[1]/w:trPr/w:trHeight").node().attribute("w:val").value(),   "300"); // 15 pt
    EXPECT_FALSE(tbl.select_node("w:tr[2]/w:trPr"));
    // clang-format on
}

TEST(WordTable, PositionsOutsideTheTable)
{
    WordTable table(2, 3);
    EXPECT_THROW(table.cell(0, 1), std::out_of_range);
    EXPECT_THROW(table.cell(3, 1), std::out_of_range);
    EXPECT_THROW(table.cell(1, 4), std::out_of_range);
    EXPECT_THROW(table.setRowHeight(3, 15), std::out_of_range);
    EXPECT_THROW(table.setColumnWidthsPercent({50, 50}), std::invalid_argument);
    EXPECT_THROW(WordTable(0, 1), std::invalid_argument);
}

TEST(WordDocument, AppendBringsTheBodyItsBookmarksAndPictures)
{
    TempFolder folder;
    const std::string firstImage = "\x89PNG first";
    const std::string secondImage = "\x89PNG second";
    WordDocument first = WordDocument::fromTemplate(writeTemplate(
        folder.path() / "first.dotx",
        R"(<w:p><w:bookmarkStart w:id="1" w:name="Item1"/><w:r><w:t>A</w:t></w:r><w:bookmarkEnd w:id="1"/></w:p>)"
        R"(<w:p><w:r><w:drawing><wp:docPr id="1" name="P"/><a:blip r:embed="rId7"/></w:drawing></w:r></w:p>)",
        {{"word/media/image1.png", {firstImage, "", kImageRel, "rId7"}}}));
    WordDocument second = WordDocument::fromTemplate(writeTemplate(
        folder.path() / "second.dotx",
        R"(<w:p><w:bookmarkStart w:id="1" w:name="Item1"/><w:r><w:t>F</w:t></w:r><w:bookmarkEnd w:id="1"/>)"
        R"(<w:bookmarkStart w:id="2" w:name="Mark1"/><w:r><w:t>M</w:t></w:r><w:bookmarkEnd w:id="2"/></w:p>)"
        R"(<w:p><w:r><w:drawing><wp:docPr id="1" name="P"/><a:blip r:embed="rId7"/></w:drawing></w:r></w:p>)",
        {{"word/media/image1.png", {secondImage, "", kImageRel, "rId7"}}}));
    first.append(second);
    EXPECT_EQ(first.bookmarkText("Item1"), "A") << "the first document's bookmark keeps its name";
    EXPECT_EQ(first.bookmarkText("Mark1"), "M");

    const auto saved = first.saveAs(folder.path(), "Quote");
    pugi::xml_document xml;
    parsePart(xml, saved, "word/document.xml");
    const pugi::xml_node body = xml.child("w:document").child("w:body");
    std::vector<std::string> texts;
    for (pugi::xml_node p : body.children("w:p")) {
        texts.push_back(paragraphText(p));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"A", "", "FM", ""}));
    EXPECT_STREQ(body.last_child().name(), "w:sectPr") << "the section properties stay last";
    EXPECT_EQ(xml.select_nodes("//w:bookmarkStart[@w:name='Item1']").size(), 1U);

    std::set<std::string> ids;
    for (pugi::xpath_node start : xml.select_nodes("//w:bookmarkStart")) {
        EXPECT_TRUE(ids.insert(start.node().attribute("w:id").value()).second) << "bookmark ids are unique";
    }
    EXPECT_EQ(xml.select_nodes("//w:bookmarkEnd").size(), ids.size())
        << "the dropped bookmark's end went too";
    std::set<std::string> drawingIds;
    for (pugi::xpath_node docPr : xml.select_nodes("//wp:docPr")) {
        EXPECT_TRUE(drawingIds.insert(docPr.node().attribute("id").value()).second)
            << "drawing ids are unique";
    }

    // The appended picture refers to a copy of the second document's image.
    pugi::xml_document rels;
    parsePart(rels, saved, "word/_rels/document.xml.rels");
    const auto blips = xml.select_nodes("//a:blip");
    ASSERT_EQ(blips.size(), 2U);
    std::vector<std::string> images;
    for (pugi::xpath_node blip : blips) {
        const pugi::xml_node rel =
            rels.child("Relationships")
                .find_child_by_attribute("Relationship", "Id", blip.node().attribute("r:embed").value());
        ASSERT_TRUE(rel) << blip.node().attribute("r:embed").value();
        std::string target = rel.attribute("Target").value();
        target = target.front() == '/' ? target.substr(1) : "word/" + target;
        images.push_back(readPart(saved, target));
    }
    EXPECT_EQ(images, (std::vector<std::string>{firstImage, secondImage}));
}

TEST(WordDocument, SavedDocumentHasTheDocumentContentTypeAndTheTemplateIsUntouched)
{
    TempFolder folder;
    const auto dotx = writeTemplate(folder.path() / "t.dotx", kSummary);
    const std::string before = fileBytes(dotx);
    WordDocument doc = WordDocument::fromTemplate(dotx);
    doc.setBookmarkText("Summary", "x");
    const auto saved = doc.saveAs(folder.path() / "out", "GA");
    EXPECT_EQ(saved, folder.path() / "out" / "GA.docx");
    EXPECT_EQ(fileBytes(dotx), before);

    pugi::xml_document types;
    parsePart(types, saved, "[Content_Types].xml");
    const pugi::xml_node main =
        types.child("Types").find_child_by_attribute("Override", "PartName", "/word/document.xml");
    EXPECT_STREQ(main.attribute("ContentType").value(),
                 "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    EXPECT_EQ(readPart(saved, "[Content_Types].xml").find("template.main"), std::string::npos);
    EXPECT_EQ(partNames(saved), partNames(dotx)) << "every part carried over, in order";
}

TEST(WordDocument, SavingNeverOverwritesAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    WordDocument doc = WordDocument::fromTemplate(writeTemplate(folder.path() / "t.dotx", kSummary));
    const auto out = folder.path() / "out";
    std::filesystem::create_directories(out);
    writeBytes(out / "GA.docx", "precious");
    writeBytes(out / "GA (3).docx", "also precious");

    EXPECT_EQ(doc.saveAs(out, "GA"), out / "GA (2).docx");
    EXPECT_EQ(doc.saveAs(out, "GA"), out / "GA (4).docx");
    EXPECT_EQ(doc.saveAs(out, "a/b"), out / "a_b.docx") << "a stem cannot reach another folder";
    EXPECT_EQ(fileBytes(out / "GA.docx"), "precious");
    EXPECT_EQ(fileBytes(out / "GA (3).docx"), "also precious");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(out)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"GA (2).docx", "GA (3).docx", "GA (4).docx", "GA.docx", "a_b.docx"}));
}

TEST(WordDocument, BadTemplates)
{
    TempFolder folder;
    const auto good = writeTemplate(folder.path() / "good.dotx", kSummary);
    const std::string goodBytes = fileBytes(good);
    struct Case {
        const char* what;
        std::function<std::filesystem::path()> make;
        DocumentError::Kind kind;
    };
    const auto at = [&](const char* name) { return folder.path() / name; };
    // clang-format off
    const Case cases[] = {
        {"missing file",       [&] { return at("none.dotx"); },                                     DocumentError::Kind::TemplateMissing},
        {"a folder",           [&] { return folder.path(); },                                       DocumentError::Kind::TemplateMissing},
        {"not a zip",          [&] { writeBytes(at("text.dotx"), "not a zip at all"); return at("text.dotx"); },
                                                                                                    DocumentError::Kind::TemplateInvalid},
        {"empty file",         [&] { writeBytes(at("empty.dotx"), ""); return at("empty.dotx"); }, DocumentError::Kind::TemplateInvalid},
        {"cut short",          [&] { writeBytes(at("cut.dotx"), goodBytes.substr(0, goodBytes.size() / 2));
                                     return at("cut.dotx"); },                                      DocumentError::Kind::TemplateInvalid},
        {"zip of other files", [&] { writeZip(at("other.dotx"), {{"readme.txt", "hello"}}); return at("other.dotx"); },
                                                                                                    DocumentError::Kind::TemplateInvalid},
        {"broken XML",         [&] { writeZip(at("xml.dotx"), {{"[Content_Types].xml", "<Types/>"},
                                        {"_rels/.rels", readPart(good, "_rels/.rels")},
                                        {"word/document.xml", "<w:document><w:body>"}});
                                     return at("xml.dotx"); },                                      DocumentError::Kind::TemplateInvalid},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto path = c.make();
        try {
            WordDocument::fromTemplate(path);
            ADD_FAILURE() << "no error";
        } catch (const DocumentError& e) {
            EXPECT_EQ(e.kind(), c.kind) << e.what();
            EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
        }
    }
}

TEST(WordDocument, UnwritableOutputFolderLeavesNothingBehind)
{
    TempFolder folder;
    WordDocument doc = WordDocument::fromTemplate(writeTemplate(folder.path() / "t.dotx", kSummary));
    writeBytes(folder.path() / "file", "in the way");
    try {
        doc.saveAs(folder.path() / "file" / "out", "GA");
        FAIL() << "no error";
    } catch (const DocumentError& e) {
        EXPECT_EQ(e.kind(), DocumentError::Kind::OutputFolder) << e.what();
    }
    if (::geteuid() != 0) { // permission bits do not stop root
        const auto locked = folder.path() / "locked";
        std::filesystem::create_directories(locked);
        std::filesystem::permissions(locked,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_THROW(doc.saveAs(locked, "GA"), DocumentError);
        EXPECT_TRUE(std::filesystem::is_empty(locked));
        std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    }
    EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"file", "t.dotx"}));
}

TEST(DocumentLayer, CanStartOnlyWithReadableTemplatesAndWritableOutput)
{
    TempFolder folder;
    writeBytes(folder.path() / "file", "in the way");
    const auto templates = folder.path() / "templates";
    std::filesystem::create_directories(templates);
    struct Case {
        std::filesystem::path templates;
        std::filesystem::path output;
        const char* reasonStart; // empty when the layer can start
    };
    // clang-format off
    const Case cases[] = {
        {templates,                      folder.path() / "out" / "new", ""},
        {folder.path() / "none",         folder.path() / "out",         "The templates folder "},
        {folder.path() / "file",         folder.path() / "out",         "The templates folder "},
        {templates,                      folder.path() / "file" / "x",  "The output folder "},
        {templates,                      folder.path() / "file",        "The output folder "},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templates.string() + " / " + c.output.string());
        const LayerStatus status = checkDocumentLayer(c.templates, c.output);
        EXPECT_EQ(status.canStart, std::string(c.reasonStart).empty());
        EXPECT_EQ(status.reason.rfind(c.reasonStart, 0), 0U) << status.reason;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "out" / "new")) << "the write probe is removed";
}

TEST(DocumentLayer, FoldersFromEnvironmentSettingAndHome)
{
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv output("ARDELVEXA_OUTPUT_DIR", nullptr);
        EXPECT_EQ(outputFolder(), "/home/someone/Documents/ArdelVexa");
        EXPECT_EQ(outputFolder("/srv/drawings"), "/srv/drawings");
    }
    {
        ScopedEnv output("ARDELVEXA_OUTPUT_DIR", "/tmp/ga-out");
        EXPECT_EQ(outputFolder("/srv/drawings"), "/tmp/ga-out") << "the environment wins over the setting";
    }
    {
        ScopedEnv templates("ARDELVEXA_TEMPLATES_DIR", nullptr);
        EXPECT_EQ(templatesFolder().filename(), "templates");
        EXPECT_TRUE(std::filesystem::exists(templatesFolder().parent_path() / "libVexaEngine.so"))
            << "beside the engine library: " << templatesFolder();
    }
    ScopedEnv templates("ARDELVEXA_TEMPLATES_DIR", "/opt/t");
    EXPECT_EQ(templatesFolder(), "/opt/t");
}

TEST(DocumentLayer, ShowSaysWhereTheDocumentIsWhenItCannotOpenIt)
{
    TempFolder folder;
    const auto document = folder.path() / "GA.docx";
    {
        ScopedEnv noOpen("ARDELVEXA_NO_OPEN", "1");
        const ShowResult shown = showDocument(document);
        EXPECT_FALSE(shown.opened);
        EXPECT_EQ(shown.message, "The document was saved as " + document.string() + ".");
    }
    ScopedEnv noOpen("ARDELVEXA_NO_OPEN", nullptr);
    ScopedEnv path("PATH", folder.path().c_str()); // no opener to be found
    const ShowResult shown = showDocument(document);
    EXPECT_FALSE(shown.opened);
    EXPECT_EQ(shown.message,
              "No application could show the document. The document was saved as " + document.string() + ".");
}
