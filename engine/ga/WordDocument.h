#pragma once

#include "ga/WordTable.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::ga {

// A word-processing document made from a .dotx template and saved as a .docx:
// the project's own stand-in for driving a word processor. It is held in memory
// until saved; nothing touches the template or any existing file.
//
// Bookmarks are found in the body, in text boxes and shapes, and in headers and
// footers; a name is matched without regard to case, as word processors do. Every
// failure throws DocumentError (ga/DocumentError.h) with a sentence for the user.
class WordDocument {
public:
    // A new document from a template (a .dotx, or any .docx used as one). Throws
    // DocumentError TemplateMissing or TemplateInvalid.
    static WordDocument fromTemplate(const std::filesystem::path& templateFile);

    WordDocument(WordDocument&&) noexcept;
    WordDocument& operator=(WordDocument&&) noexcept;
    ~WordDocument();

    // Distinct bookmark names in document order, as written in the document.
    std::vector<std::string> bookmarkNames() const;
    bool hasBookmark(std::string_view name) const;

    // The text inside the first bookmark of that name (tabs and breaks as '\t' and
    // '\n'; the paragraphs of a range that spans several joined by '\n'). Throws
    // DocumentError BookmarkMissing.
    std::string bookmarkText(std::string_view name) const;

    // Puts the text in place of what every bookmark of that name holds, keeping the
    // look of the text it replaces; the bookmark then holds exactly that text ('\n'
    // gives a line break, '\t' a tab). An empty text empties it. A bookmark whose end
    // is missing gets the text at its start and an end after it. Returns the number
    // of bookmarks written; throws DocumentError BookmarkMissing when there is none.
    int setBookmarkText(std::string_view name, std::string_view text);
    // The same, but a missing bookmark is no error: returns 0.
    int setBookmarkTextIfPresent(std::string_view name, std::string_view text);

    // Empties every bookmark of that name and puts the table in its place, before
    // the bookmark's paragraph; the (empty) bookmark stays after the table. Throws
    // DocumentError BookmarkMissing.
    void addTable(std::string_view bookmark, const WordTable& table);

    // Appends the body of another document at the end of this one. Its bookmarks
    // come along unless this document already has one of the same name; its
    // pictures and links come along; its styles and numbering do not (its
    // paragraphs take this document's styles of the same name). Throws DocumentError
    // AppendFailed when it refers to parts that cannot be carried over.
    void append(const WordDocument& other);

    // Saves as "<stem>.docx" in the folder (created when missing), or "<stem> (2).docx"
    // and so on when that name is taken: nothing is ever overwritten. The document is
    // written under a temporary name first, so no half-written file ever carries the
    // final name. Returns the path written. Throws DocumentError OutputFolder or
    // SaveFailed. The document stays usable and can be saved again.
    std::filesystem::path saveAs(const std::filesystem::path& folder, std::string_view stem) const;

    struct Impl;

private:
    explicit WordDocument(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m;
};

} // namespace vexa::ga
