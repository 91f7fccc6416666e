#pragma once

#include <filesystem>
#include <functional>
#include <string>

// Where the program puts the documents it writes, and how it hands them to the
// desktop. Nothing already in the output folder is ever overwritten.
namespace vexa::output {

// The output folder: ARDELVEXA_OUTPUT_DIR when set, else the configured folder
// (given here, or the program's setting Output/Folder passed to
// setConfiguredFolder), else ~/Documents/ArdelVexa.
std::filesystem::path folder(const std::filesystem::path& configured = {});

// The folder the program read from its settings; empty to use the default.
void setConfiguredFolder(const std::filesystem::path& folder);

// Creates the folder (by default the output folder) when it is missing and checks
// that a file can be written in it. Returns an empty text when it can, else the
// reason as a sentence for the user.
std::string checkWritable(const std::filesystem::path& folder = {});

// Writes a new file under the first free name "<stem>.<extension>",
// "<stem> (2).<extension>", ... of the output folder. The writer receives a
// temporary path in the same folder; only a completely written file receives its
// final name, and an existing file is never replaced. Throws std::runtime_error
// with the reason when the folder cannot be written or the writer throws.
std::filesystem::path writeNew(const std::string& stem, const std::string& extension,
                               const std::function<void(const std::filesystem::path&)>& writer);

// Gives a completely written temporary file the first free name "<stem>.<extension>",
// "<stem> (2).<extension>", ... in folder (the temporary must be in that folder) and
// returns it. An existing file is never replaced. Throws std::runtime_error with
// the reason when the file cannot be moved; the temporary is then left in place.
std::filesystem::path moveToFreeName(const std::filesystem::path& temporary,
                                     const std::filesystem::path& folder, const std::string& stem,
                                     const std::string& extension);

// Opens a file with the desktop's default application, unless
// ARDELVEXA_NO_OPEN=1. Returns false when no application could be started (the
// caller then says where the file is).
bool openWithDesktop(const std::filesystem::path& file);

} // namespace vexa::output
