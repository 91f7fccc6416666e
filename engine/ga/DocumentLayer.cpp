#include "ga/DocumentLayer.h"

#include "common/OutputFiles.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>

namespace vexa::ga {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string savedAs(const std::filesystem::path& document)
{
    return "The document was saved as " + document.string();
}

} // namespace

std::filesystem::path templatesFolder()
{
    if (std::string folder = environment("ARDELVEXA_TEMPLATES_DIR"); !folder.empty()) {
        return folder;
    }
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&templatesFolder), &info) != 0 && info.dli_fname != nullptr) {
        std::error_code ec;
        const std::filesystem::path library = std::filesystem::canonical(info.dli_fname, ec);
        if (!ec) {
            return library.parent_path() / "templates";
        }
    }
    return std::filesystem::current_path() / "templates";
}

std::filesystem::path outputFolder(std::string_view configuredFolder)
{
    return output::folder(std::filesystem::path(configuredFolder));
}

LayerStatus checkDocumentLayer(const std::filesystem::path& templates, const std::filesystem::path& output)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(templates, ec)) {
        return {false, "The templates folder " + templates.string() + " does not exist."};
    }
    if (DIR* dir = ::opendir(templates.c_str()); dir != nullptr) {
        ::closedir(dir);
    } else {
        return {false, "The templates folder " + templates.string() +
                           " cannot be read: " + std::strerror(errno) + "."};
    }
    if (std::string problem = output::checkWritable(output); !problem.empty()) {
        return {false, problem};
    }
    return {true, {}};
}

ShowResult showDocument(const std::filesystem::path& document)
{
    if (environment("ARDELVEXA_NO_OPEN") == "1") {
        return {false, savedAs(document) + "."};
    }
    if (output::openWithDesktop(document)) {
        return {true, {}};
    }
    return {false, "No application could show the document. " + savedAs(document) + "."};
}

} // namespace vexa::ga
