#include "DocxFixture.h"

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace vexa::ga::test {

const char* const kNamespaces =
    R"( xmlns:wpc="http://schemas.microsoft.com/office/word/2010/wordprocessingCanvas")"
    R"( xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006")"
    R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
    R"( xmlns:v="urn:schemas-microsoft-com:vml")"
    R"( xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing")"
    R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
    R"( xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture")"
    R"( xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
    R"( xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape")";

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vexa-ga-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(m_path, ec);
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : m_name(name)
{
    if (const char* old = std::getenv(name)) {
        m_old = old;
    }
    if (value != nullptr) {
        ::setenv(name, value, 1);
    } else {
        ::unsetenv(name);
    }
}

ScopedEnv::~ScopedEnv()
{
    if (m_old) {
        ::setenv(m_name, m_old->c_str(), 1);
    } else {
        ::unsetenv(m_name);
    }
}

std::vector<std::string> TempFolder::fileNames() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void writeZip(const std::filesystem::path& file, const std::map<std::string, std::string>& entries)
{
    int code = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) {
        throw std::runtime_error("cannot create " + file.string());
    }
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + name);
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        throw std::runtime_error("cannot write " + file.string());
    }
}

std::filesystem::path writeTemplate(const std::filesystem::path& file, const std::string& bodyXml,
                                    const std::map<std::string, ExtraPart>& extraParts)
{
    std::string types =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Default Extension="png" ContentType="image/png"/>)"
        R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml"/>)";
    std::string rels =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
    std::map<std::string, std::string> entries;
    for (const auto& [name, part] : extraParts) {
        entries[name] = part.bytes;
        if (!part.contentType.empty()) {
            types += "<Override PartName=\"/" + name + "\" ContentType=\"" + part.contentType + "\"/>";
        }
        if (!part.relationship.empty()) {
            rels += "<Relationship Id=\"" + part.id + "\" Type=\"" + part.relationship + "\" Target=\"" +
                    name.substr(5) + "\"/>"; // relative to word/
        }
    }
    entries["[Content_Types].xml"] = types + "</Types>";
    entries["_rels/.rels"] =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
        R"(</Relationships>)";
    entries["word/_rels/document.xml.rels"] = rels + "</Relationships>";
    entries["word/document.xml"] = std::string(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)") +
                                   "<w:document" + kNamespaces + " mc:Ignorable=\"w14\"><w:body>" + bodyXml +
                                   R"(<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>)"
                                   R"(<w:pgMar w:top="1440" w:right="1440" w:bottom="1440" w:left="1440"/>)"
                                   "</w:sectPr></w:body></w:document>";
    writeZip(file, entries);
    return file;
}

std::vector<std::string> partNames(const std::filesystem::path& docx)
{
    int code = 0;
    zip_t* archive = zip_open(docx.c_str(), ZIP_RDONLY, &code);
    if (archive == nullptr) {
        throw std::runtime_error("not a zip: " + docx.string());
    }
    std::vector<std::string> names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        names.emplace_back(zip_get_name(archive, static_cast<zip_uint64_t>(i), 0));
    }
    zip_discard(archive);
    return names;
}

std::string readPart(const std::filesystem::path& docx, const std::string& part)
{
    int code = 0;
    zip_t* archive = zip_open(docx.c_str(), ZIP_RDONLY, &code);
    if (archive == nullptr) {
        throw std::runtime_error("not a zip: " + docx.string());
    }
    zip_stat_t stat;
    zip_file_t* entry = nullptr;
    if (zip_stat(archive, part.c_str(), 0, &stat) != 0 ||
        (entry = zip_fopen(archive, part.c_str(), 0)) == nullptr) {
        zip_discard(archive);
        throw std::runtime_error("no part " + part + " in " + docx.string());
    }
    std::string bytes(static_cast<size_t>(stat.size), '\0');
    zip_fread(entry, bytes.data(), stat.size);
    zip_fclose(entry);
    zip_discard(archive);
    return bytes;
}

void parsePart(pugi::xml_document& doc, const std::filesystem::path& docx, const std::string& part)
{
    const std::string bytes = readPart(docx, part);
    const auto result =
        doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!result) {
        throw std::runtime_error(part + " is not valid XML: " + result.description());
    }
}

namespace {

void walk(pugi::xml_node node, const std::string& name, std::vector<std::string>& texts,
          std::vector<std::pair<std::string, size_t>>& open)
{
    for (pugi::xml_node child : node.children()) {
        const std::string element = child.name();
        if (element == "w:bookmarkStart" && child.attribute("w:name").value() == name) {
            open.emplace_back(child.attribute("w:id").value(), texts.size());
            texts.emplace_back();
        } else if (element == "w:bookmarkEnd") {
            open.erase(
                std::remove_if(open.begin(), open.end(),
                               [&](const auto& o) { return o.first == child.attribute("w:id").value(); }),
                open.end());
        } else if (element == "w:t") {
            for (const auto& o : open) {
                texts[o.second] += child.text().get();
            }
        } else {
            walk(child, name, texts, open);
        }
    }
}

} // namespace

std::vector<std::string> bookmarkTexts(const pugi::xml_node root, const std::string& name)
{
    std::vector<std::string> texts;
    std::vector<std::pair<std::string, size_t>> open;
    walk(root, name, texts, open);
    return texts;
}

std::string paragraphText(pugi::xml_node paragraph)
{
    std::string text;
    for (pugi::xpath_node t : paragraph.select_nodes(".//w:t")) {
        text += t.node().text().get();
    }
    return text;
}

} // namespace vexa::ga::test
