#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace vexa::ga {

// The parts of an Office Open XML package (a zip archive), held in memory in the
// order of the archive. Part names have no leading slash ("word/document.xml").
class OoxmlPackage {
public:
    // Reads every part of the archive. Throws DocumentError TemplateMissing when the
    // file cannot be opened and TemplateInvalid when it is not a zip archive.
    static OoxmlPackage read(const std::filesystem::path& file);

    bool has(const std::string& name) const;
    // The bytes of a part; throws DocumentError TemplateInvalid when it is absent.
    const std::string& part(const std::string& name) const;
    // Replaces a part or adds it at the end.
    void setPart(const std::string& name, std::string bytes);
    std::vector<std::string> partNames() const;

    // Writes the archive to the file, replacing it (libzip writes a temporary file
    // beside it and renames it at the end). Throws DocumentError SaveFailed; a
    // failed write removes the file.
    void write(const std::filesystem::path& file) const;

private:
    std::vector<std::pair<std::string, std::string>> m_parts;
};

} // namespace vexa::ga
