#include "ga/OoxmlPackage.h"

#include "ga/DocumentError.h"

#include <zip.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace vexa::ga {

namespace {

// No part of a document template comes near this; a larger entry is a damaged or
// hostile archive, not a document.
constexpr zip_uint64_t kLargestPart_bytes = 512ULL * 1024 * 1024;

std::string zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};

std::string readEntry(zip_t* archive, zip_uint64_t index, const std::filesystem::path& file)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        stat.size > kLargestPart_bytes) {
        throw DocumentError(DocumentError::Kind::TemplateInvalid,
                            "The file " + file.string() + " is not a valid document: an entry is damaged.");
    }
    std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(archive, index, 0));
    std::string bytes(static_cast<size_t>(stat.size), '\0');
    zip_int64_t got = entry ? zip_fread(entry.get(), bytes.data(), stat.size) : -1;
    if (got < 0 || static_cast<zip_uint64_t>(got) != stat.size) {
        throw DocumentError(DocumentError::Kind::TemplateInvalid,
                            "The file " + file.string() +
                                " is not a valid document: an entry cannot be read.");
    }
    return bytes;
}

} // namespace

OoxmlPackage OoxmlPackage::read(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        throw DocumentError(DocumentError::Kind::TemplateMissing,
                            "The template " + file.string() + " does not exist or is not a file.");
    }
    int code = 0;
    Archive archive(zip_open(file.c_str(), ZIP_RDONLY, &code));
    if (!archive) {
        if (code == ZIP_ER_OPEN || code == ZIP_ER_READ || code == ZIP_ER_NOENT) {
            throw DocumentError(DocumentError::Kind::TemplateMissing,
                                "The template " + file.string() + " cannot be opened: " + zipErrorText(code) +
                                    ".");
        }
        throw DocumentError(DocumentError::Kind::TemplateInvalid, "The file " + file.string() +
                                                                      " is not a valid document (" +
                                                                      zipErrorText(code) + ").");
    }
    OoxmlPackage package;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        if (name == nullptr || name[0] == '\0' || name[std::strlen(name) - 1] == '/') {
            continue; // folder entries carry nothing
        }
        package.m_parts.emplace_back(name, readEntry(archive.get(), static_cast<zip_uint64_t>(i), file));
    }
    return package;
}

bool OoxmlPackage::has(const std::string& name) const
{
    return std::any_of(m_parts.begin(), m_parts.end(), [&](const auto& p) { return p.first == name; });
}

const std::string& OoxmlPackage::part(const std::string& name) const
{
    for (const auto& [partName, bytes] : m_parts) {
        if (partName == name) {
            return bytes;
        }
    }
    throw DocumentError(DocumentError::Kind::TemplateInvalid, "The document has no part " + name + ".");
}

void OoxmlPackage::setPart(const std::string& name, std::string bytes)
{
    for (auto& [partName, existing] : m_parts) {
        if (partName == name) {
            existing = std::move(bytes);
            return;
        }
    }
    m_parts.emplace_back(name, std::move(bytes));
}

std::vector<std::string> OoxmlPackage::partNames() const
{
    std::vector<std::string> names;
    names.reserve(m_parts.size());
    for (const auto& part : m_parts) {
        names.push_back(part.first);
    }
    return names;
}

void OoxmlPackage::write(const std::filesystem::path& file) const
{
    auto fail = [&](const std::string& why) {
        std::error_code ec;
        std::filesystem::remove(file, ec);
        throw DocumentError(DocumentError::Kind::SaveFailed,
                            "The document " + file.string() + " could not be written: " + why + ".");
    };
    int code = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) {
        fail(zipErrorText(code));
    }
    // The buffers handed to zip_source_buffer are this package's own strings, which
    // live until zip_close below.
    for (const auto& [name, bytes] : m_parts) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        const zip_int64_t index =
            source == nullptr ? -1 : zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            if (source != nullptr) {
                zip_source_free(source);
            }
            const std::string why = zip_strerror(archive);
            zip_discard(archive);
            fail(why);
        }
        // The fastest deflate: drawings are large XML that compresses well at any level.
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(archive) != 0) {
        const std::string why = zip_strerror(archive);
        zip_discard(archive);
        fail(why);
    }
}

} // namespace vexa::ga
