// Fills every general arrangement template with sample values and saves the
// documents into a folder, to be looked at (scripts/ga-preview.sh turns them
// into PDF and PNG pages).
//
//     ga_template_preview OUTPUT_FOLDER

#include "TemplateBookmarks.h"

#include "ga/DocumentError.h"
#include "ga/DocumentLayer.h"
#include "ga/WordDocument.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    using namespace vexa::ga;
    if (argc != 2) {
        std::cerr << "usage: ga_template_preview OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        for (const auto& t : test::kTemplates) {
            WordDocument doc = WordDocument::fromTemplate(templatesFolder() / t.file);
            for (const std::string& bookmark : t.bookmarks) {
                doc.setBookmarkText(bookmark, test::kSampleValues.at(bookmark));
            }
            std::cout << doc.saveAs(argv[1], std::filesystem::path(t.file).stem().string()).string() << '\n';
        }
    } catch (const DocumentError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
