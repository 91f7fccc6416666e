#pragma once

// Small word-processing templates written straight from XML text, and the parts of
// a saved document read back with libzip and pugixml, independently of the layer.

#include <pugixml.hpp>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vexa::ga::test {

// A temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::vector<std::string> fileNames() const; // sorted, hidden ones included

private:
    std::filesystem::path m_path;
};

// Sets an environment variable (or unsets it, for nullptr) for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// The namespaces every fixture document declares.
extern const char* const kNamespaces;

// Writes a .dotx whose body holds bodyXml (a final section properties element is
// added). extraParts are added as they are, with their content types.
struct ExtraPart {
    std::string bytes;
    std::string contentType;  // an Override; empty for none
    std::string relationship; // relationship type from the main document; empty for none
    std::string id;           // relationship id
};
std::filesystem::path writeTemplate(const std::filesystem::path& file, const std::string& bodyXml,
                                    const std::map<std::string, ExtraPart>& extraParts = {});

// Writes any set of zip entries.
void writeZip(const std::filesystem::path& file, const std::map<std::string, std::string>& entries);

std::string readPart(const std::filesystem::path& docx, const std::string& part);
std::vector<std::string> partNames(const std::filesystem::path& docx);
void parsePart(pugi::xml_document& doc, const std::filesystem::path& docx, const std::string& part);

// Text between every start of the named bookmark and its end, in document order.
std::vector<std::string> bookmarkTexts(const pugi::xml_node root, const std::string& name);
// The text of a paragraph, run by run.
std::string paragraphText(pugi::xml_node paragraph);

} // namespace vexa::ga::test
