#include "ga/DocumentLayer.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace vexa::ga {

namespace {

// xdg-open hands the file to the application and returns; one still running after
// this long is showing it itself (a fallback viewer run in the foreground).
constexpr auto kOpenerWait = std::chrono::seconds(5);

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::filesystem::path homeFolder()
{
    if (std::string home = environment("HOME"); !home.empty()) {
        return home;
    }
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
        return user->pw_dir;
    }
    return std::filesystem::temp_directory_path();
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
    if (std::string folder = environment("ARDELVEXA_OUTPUT_DIR"); !folder.empty()) {
        return folder;
    }
    if (!configuredFolder.empty()) {
        return std::filesystem::path(configuredFolder);
    }
    return homeFolder() / "Documents" / "ArdelVexa";
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
    std::filesystem::create_directories(output, ec);
    if (ec || !std::filesystem::is_directory(output)) {
        return {false, "The output folder " + output.string() + " cannot be created: " +
                           (ec ? ec.message() : std::string("a file of that name is in the way")) + "."};
    }
    // Writing a file is the only sure test: permission bits say nothing to root or
    // on a read-only file system.
    std::string probe = (output / ".~probe.XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        return {false,
                "The output folder " + output.string() + " is not writable: " + std::strerror(errno) + "."};
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return {true, {}};
}

ShowResult showDocument(const std::filesystem::path& document)
{
    if (environment("ARDELVEXA_NO_OPEN") == "1") {
        return {false, savedAs(document) + "."};
    }
    const std::string file = document.string();
    char opener[] = "xdg-open";
    char* argv[] = {opener, const_cast<char*>(file.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t child = 0;
    const int failed = ::posix_spawnp(&child, opener, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    const std::string noApplication = "No application could show the document. " + savedAs(document) + ".";
    if (failed != 0) {
        return {false, noApplication};
    }
    const auto until = std::chrono::steady_clock::now() + kOpenerWait;
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) {
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
                return {true, {}};
            }
            return {false, noApplication};
        }
        if (done < 0) {
            return {false, noApplication};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::thread([child] { ::waitpid(child, nullptr, 0); }).detach();
    return {true, {}};
}

} // namespace vexa::ga
