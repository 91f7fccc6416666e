// The drawing mechanism: a template and bookmarks that are missing are skipped, a
// document layer that cannot start stops it, and a drawing is saved only when
// finished.

#include "DocxFixture.h"

#include "ga/GaDocument.h"
#include "ga/WordDocument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

using namespace vexa::ga;
using namespace vexa::ga::test;

namespace {

// A template with OverallHeight and CustomerRef only.
constexpr const char* kBody =
    R"(<w:p><w:bookmarkStart w:id="1" w:name="OverallHeight"/><w:r><w:t>####</w:t></w:r>)"
    R"(<w:bookmarkEnd w:id="1"/></w:p>)"
    R"(<w:p><w:bookmarkStart w:id="2" w:name="CustomerRef"/><w:bookmarkEnd w:id="2"/></w:p>)"
    R"(<w:p><w:bookmarkStart w:id="3" w:name="HeatpipeCode"/><w:r><w:t>12HP</w:t></w:r>)"
    R"(<w:bookmarkEnd w:id="3"/></w:p>)";

class GaDocumentTest : public ::testing::Test {
protected:
    GaDocumentTest() { writeTemplate(m_templates.path() / "Small.dotx", kBody); }

    const TempFolder& output() const { return m_output; }
    const TempFolder& templates() const { return m_templates; }

private:
    TempFolder m_templates;
    TempFolder m_output;
    ScopedEnv m_templatesDir{"ARDELVEXA_TEMPLATES_DIR", m_templates.path().c_str()};
    ScopedEnv m_outputDir{"ARDELVEXA_OUTPUT_DIR", m_output.path().c_str()};
    ScopedEnv m_noOpen{"ARDELVEXA_NO_OPEN", "1"};
};

} // namespace

TEST_F(GaDocumentTest, MissingBookmarksAreSkippedAndTheOthersWritten)
{
    GaDocument drawing("Small.dotx");
    ASSERT_TRUE(drawing.hasDocument());
    drawing.write({{"OverallWidth", "2310.0"}, {"OverallHeight", "1204.0"}, {"FlangeDepth2", "90.0"}});
    drawing.writeStacked("* NOTE *");
    drawing.writeReferences("  C-10442  ", "\tPROJECT ", std::nullopt);
    const GaResult result = drawing.finish();
    ASSERT_FALSE(result.document.empty());
    EXPECT_EQ(result.document, output().path() / "Small.docx");
    EXPECT_FALSE(result.shown);
    EXPECT_EQ(result.message, "The document was saved as " + result.document.string() + ".");

    const WordDocument saved = WordDocument::fromTemplate(result.document);
    EXPECT_EQ(saved.bookmarkText("OverallHeight"), "1204.0");
    EXPECT_EQ(saved.bookmarkText("CustomerRef"), "C-10442") << "blanks trimmed";
    EXPECT_EQ(saved.bookmarkText("HeatpipeCode"), "12HP") << "no code: the template's text stays";
}

TEST_F(GaDocumentTest, ADrawingNotFinishedLeavesNothingBehind)
{
    {
        GaDocument drawing("Small.dotx");
        drawing.write("OverallHeight", "1204.0");
        // The user closes the project details without confirming them.
    }
    EXPECT_TRUE(output().fileNames().empty());
}

TEST_F(GaDocumentTest, EachDrawingGetsANewName)
{
    GaDocument first("Small.dotx");
    GaDocument second("Small.dotx");
    EXPECT_EQ(first.finish().document.filename(), "Small.docx");
    EXPECT_EQ(second.finish().document.filename(), "Small (2).docx");
    EXPECT_TRUE(first.finish().document.empty()) << "finished once only";
    EXPECT_EQ(output().fileNames(), (std::vector<std::string>{"Small (2).docx", "Small.docx"}));
}

TEST_F(GaDocumentTest, ATemplateMissingOrInvalidMakesNoDocument)
{
    std::ofstream(templates().path() / "Broken.dotx") << "not a zip archive";
    for (const char* file : {"Missing.dotx", "Broken.dotx"}) {
        SCOPED_TRACE(file);
        GaDocument drawing(file);
        EXPECT_FALSE(drawing.hasDocument());
        EXPECT_NO_THROW(drawing.write("OverallHeight", "1.0"));
        EXPECT_NO_THROW(drawing.writeReferences("a", "b", "c"));
        const GaResult result = drawing.finish();
        EXPECT_TRUE(result.document.empty());
        EXPECT_EQ(result.message.rfind("No document was made: ", 0), 0U) << result.message;
    }
    EXPECT_TRUE(output().fileNames().empty());
}

TEST_F(GaDocumentTest, ALayerThatCannotStartStopsBeforeAnyDocument)
{
    struct Case {
        const char* what;
        std::filesystem::path templates;
        std::filesystem::path output;
    };
    const auto file = output().path() / "a-file";
    std::ofstream(file) << "x";
    const Case cases[] = {
        {"templates folder missing", templates().path() / "nowhere", output().path()},
        {"output folder is a file", templates().path(), file},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedEnv templatesDir("ARDELVEXA_TEMPLATES_DIR", c.templates.c_str());
        ScopedEnv outputDir("ARDELVEXA_OUTPUT_DIR", c.output.c_str());
        try {
            GaDocument drawing("Small.dotx");
            ADD_FAILURE() << "no error";
        } catch (const GaDocumentError& e) {
            const std::string text = e.what();
            const size_t lineBreak = text.find('\n');
            ASSERT_NE(lineBreak, std::string::npos) << text;
            EXPECT_EQ(text.substr(0, lineBreak), kNoWordProcessorMessage);
            EXPECT_NE(text.find(c.what == cases[0].what ? "does not exist" : c.output.string()),
                      std::string::npos)
                << text;
            EXPECT_EQ(e.number(), 0);
        }
    }
    EXPECT_EQ(output().fileNames(), std::vector<std::string>{"a-file"});
}

TEST_F(GaDocumentTest, ASaveThatFailsIsReportedNotPassedOverInSilence)
{
    GaDocument drawing("Small.dotx");
    std::filesystem::permissions(output().path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(output().path().c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user can write into a read-only folder";
    }
    EXPECT_THROW(drawing.finish(), GaDocumentError);
    std::filesystem::permissions(output().path(), std::filesystem::perms::owner_all);
    EXPECT_TRUE(output().fileNames().empty());
}
