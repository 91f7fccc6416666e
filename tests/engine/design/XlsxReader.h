#pragma once

#include <zip.h>

#include <map>
#include <regex>
#include <stdexcept>
#include <string>

// Reads cells back from an .xlsx workbook: enough of the format to check what
// the program wrote.
class XlsxReader {
public:
    explicit XlsxReader(const std::string& path)
    {
        int error = 0;
        m_zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
        if (m_zip == nullptr) {
            throw std::runtime_error("cannot open " + path);
        }
        const std::string strings = part("xl/sharedStrings.xml");
        const std::regex item(R"(<si><t[^>]*>([^<]*)</t></si>)");
        for (auto it = std::sregex_iterator(strings.begin(), strings.end(), item);
             it != std::sregex_iterator(); ++it) {
            m_strings.push_back((*it)[1]);
        }
    }
    ~XlsxReader() { zip_discard(m_zip); }
    XlsxReader(const XlsxReader&) = delete;
    XlsxReader& operator=(const XlsxReader&) = delete;

    // The text of one part of the package; empty when it is missing.
    std::string part(const std::string& name) const
    {
        zip_file_t* file = zip_fopen(m_zip, name.c_str(), 0);
        if (file == nullptr) {
            return "";
        }
        std::string text;
        char buffer[4096];
        zip_int64_t n = 0;
        while ((n = zip_fread(file, buffer, sizeof buffer)) > 0) {
            text.append(buffer, static_cast<size_t>(n));
        }
        zip_fclose(file);
        return text;
    }

    // The cell's value as text (shared strings resolved); empty when the cell is missing.
    std::string cell(const std::string& sheetPart, const std::string& reference) const
    {
        const std::string xml = part(sheetPart);
        const std::regex pattern("<c r=\"" + reference + "\"([^>]*)>(?:<v>([^<]*)</v>)?");
        std::smatch match;
        if (!std::regex_search(xml, match, pattern)) {
            return "";
        }
        const std::string attributes = match[1];
        const std::string value = match[2];
        if (attributes.find("t=\"s\"") != std::string::npos) {
            return m_strings.at(std::stoul(value));
        }
        return value;
    }

private:
    zip_t* m_zip = nullptr;
    std::vector<std::string> m_strings;
};
