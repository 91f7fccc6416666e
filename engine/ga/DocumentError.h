#pragma once

#include <stdexcept>
#include <string>

namespace vexa::ga {

// What the document layer throws. Every failure of a template, a bookmark or the
// output folder comes as this type; its text is a whole sentence that a window can
// show as it is, and the kind lets a caller skip what it may skip (a missing
// bookmark in a drawing) and stop on the rest.
class DocumentError : public std::runtime_error {
public:
    enum class Kind {
        TemplateMissing, // the template file does not exist or cannot be opened
        TemplateInvalid, // not a zip archive, or not a word-processing document inside
        BookmarkMissing, // no bookmark of that name in the document
        OutputFolder,    // the output folder cannot be created or written
        SaveFailed,      // writing the document failed (disk full, I/O error)
        AppendFailed,    // the appended document refers to parts that cannot be carried over
    };

    DocumentError(Kind kind, const std::string& message) : std::runtime_error(message), m_kind(kind) {}

    Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

} // namespace vexa::ga
