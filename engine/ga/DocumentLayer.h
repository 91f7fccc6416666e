#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Where documents come from and go to, and how they reach the user.
namespace vexa::ga {

// The folder of the document templates: ARDELVEXA_TEMPLATES_DIR when set, else the
// folder "templates" beside the engine library.
std::filesystem::path templatesFolder();

// The folder documents are saved in: ARDELVEXA_OUTPUT_DIR when set, else the
// configured folder (the program's setting Output/Folder) when given, else
// ~/Documents/ArdelVexa.
std::filesystem::path outputFolder(std::string_view configuredFolder = {});

// Whether documents can be made: the templates folder can be read and the output
// folder (created when missing) can be written. When not, reason says why in a
// sentence for the user.
struct LayerStatus {
    bool canStart = false;
    std::string reason;
};
LayerStatus checkDocumentLayer(const std::filesystem::path& templates, const std::filesystem::path& output);

// Opens a saved document with the desktop's default application (xdg-open), unless
// ARDELVEXA_NO_OPEN=1. When it is not opened, message says where the document was
// saved; when it is, message is empty.
struct ShowResult {
    bool opened = false;
    std::string message;
};
ShowResult showDocument(const std::filesystem::path& document);

} // namespace vexa::ga
