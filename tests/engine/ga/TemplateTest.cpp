// Every general arrangement template exists, carries every bookmark its style
// writes, and takes the values the drawing mechanism writes into them.

#include "DocxFixture.h"
#include "TemplateBookmarks.h"

#include "ga/CombinationDrawing.h"
#include "ga/DocumentLayer.h"
#include "ga/HorseshoeDrawing.h"
#include "ga/StraightDrawing.h"
#include "ga/WordDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace vexa::ga;
using namespace vexa::ga::test;

TEST(Templates, AreBuiltBesideTheEngineLibrary)
{
    ::unsetenv("ARDELVEXA_TEMPLATES_DIR");
    EXPECT_EQ(std::filesystem::canonical(templatesFolder()), std::filesystem::canonical(VEXA_TEMPLATES_DIR));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(VEXA_TEMPLATES_DIR)) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> expected;
    for (const auto& t : kTemplates) {
        expected.emplace_back(t.file);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(files, expected) << "exactly the thirteen drawings";
}

TEST(Templates, CarryEveryBookmarkTheirStyleWrites)
{
    for (const auto& t : kTemplates) {
        SCOPED_TRACE(t.file);
        const WordDocument doc =
            WordDocument::fromTemplate(std::filesystem::path(VEXA_TEMPLATES_DIR) / t.file);
        const auto names = doc.bookmarkNames();
        for (const std::string& bookmark : t.bookmarks) {
            EXPECT_NE(std::find(names.begin(), names.end(), bookmark), names.end()) << bookmark;
        }
    }
}

TEST(Templates, ReferencesAndNotesStartEmpty)
{
    // Stacked and Note are left as the template has them when the unit needs no note.
    for (const auto& t : kTemplates) {
        SCOPED_TRACE(t.file);
        const WordDocument doc =
            WordDocument::fromTemplate(std::filesystem::path(VEXA_TEMPLATES_DIR) / t.file);
        for (const char* bookmark :
             {"Stacked", "Note", "CustomerRef", "ProjectName", "HeatpipeCode", "Date"}) {
            if (doc.hasBookmark(bookmark)) {
                EXPECT_EQ(doc.bookmarkText(bookmark), "") << bookmark;
            }
        }
    }
}

TEST(Templates, FilledDocumentsReadBackEveryValue)
{
    TempFolder folder;
    for (const auto& t : kTemplates) {
        SCOPED_TRACE(t.file);
        WordDocument doc = WordDocument::fromTemplate(std::filesystem::path(VEXA_TEMPLATES_DIR) / t.file);
        for (const std::string& bookmark : t.bookmarks) {
            doc.setBookmarkText(bookmark, kSampleValues.at(bookmark));
        }
        const auto saved = doc.saveAs(folder.path(), std::filesystem::path(t.file).stem().string());
        pugi::xml_document xml;
        parsePart(xml, saved, "word/document.xml");
        for (const std::string& bookmark : t.bookmarks) {
            const auto texts = bookmarkTexts(xml, bookmark);
            ASSERT_FALSE(texts.empty()) << bookmark;
            for (const std::string& text : texts) {
                EXPECT_EQ(text, kSampleValues.at(bookmark)) << bookmark;
            }
        }
        EXPECT_EQ(xml.select_nodes("//w:t[contains(., '####')]").size(), 0U) << "no dimension left unwritten";
    }
}

TEST(Templates, CarryEveryBookmarkTheDrawingsWrite)
{
    // The engine's own lists, for every case that chooses the template.
    struct Drawing {
        std::string file;
        std::vector<BookmarkText> bookmarks;
    };
    std::vector<Drawing> drawings;
    for (bool horizontal : {true, false}) {
        for (bool drainpan : {true, false}) {
            drawings.push_back({straightTemplate(horizontal, drainpan), straightBookmarks({})});
        }
    }
    for (Hand hand : {Hand::Left, Hand::Right}) {
        drawings.push_back({horseshoeTemplate(hand), horseshoeBookmarks({})});
        for (bool drainpan : {true, false}) {
            for (CoilKind coil : {CoilKind::ChilledWater, CoilKind::Refrigerant}) {
                CombinationDrawing d;
                d.drainpan = drainpan;
                d.coil = coil;
                d.hand = hand;
                drawings.push_back({combinationTemplate(drainpan, coil, hand), combinationBookmarks(d)});
            }
        }
    }
    std::set<std::string> files;
    for (const Drawing& drawing : drawings) {
        SCOPED_TRACE(drawing.file);
        files.insert(drawing.file);
        const WordDocument doc =
            WordDocument::fromTemplate(std::filesystem::path(VEXA_TEMPLATES_DIR) / drawing.file);
        for (const BookmarkText& bookmark : drawing.bookmarks) {
            EXPECT_TRUE(doc.hasBookmark(bookmark.name)) << bookmark.name;
        }
        for (const std::string& reference : kReferences) {
            EXPECT_TRUE(doc.hasBookmark(reference)) << reference;
        }
    }
    EXPECT_EQ(files.size(), kTemplates.size()) << "every template is chosen by some unit";
}
