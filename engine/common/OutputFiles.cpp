#include "common/OutputFiles.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vexa::output {

namespace {

std::filesystem::path g_configuredFolder;

// An opener hands the file to the application and returns; one still running after
// this long is showing it itself (a fallback viewer run in the foreground).
constexpr auto kOpenerVerdictWait = std::chrono::seconds(5);

bool environmentIs(const char* name, const char* value)
{
    const char* actual = std::getenv(name);
    return actual != nullptr && std::strcmp(actual, value) == 0;
}

std::filesystem::path candidateName(const std::string& stem, const std::string& extension, int number)
{
    const std::string suffix = number == 1 ? "" : " (" + std::to_string(number) + ")";
    return stem + suffix + "." + extension;
}

// Runs an opener and waits briefly for its verdict: a quick non-zero exit means it
// found nothing to open the file with; still running means it is showing it.
bool runOpener(const char* program, const std::filesystem::path& file)
{
    const std::string path = file.string();
    std::vector<std::string> arguments = {program};
    if (std::strcmp(program, "gio") == 0) {
        arguments.emplace_back("open");
    }
    arguments.push_back(path);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + kOpenerVerdictWait;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        if (done < 0) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // Still running: it is showing the file. Reap it when it ends.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return true;
}

} // namespace

std::filesystem::path folder(const std::filesystem::path& configured)
{
    if (const char* fromEnvironment = std::getenv("ARDELVEXA_OUTPUT_DIR");
        fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    if (!configured.empty()) {
        return configured;
    }
    if (!g_configuredFolder.empty()) {
        return g_configuredFolder;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / "Documents" / "ArdelVexa";
    }
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
        return std::filesystem::path(user->pw_dir) / "Documents" / "ArdelVexa";
    }
    return std::filesystem::temp_directory_path() / "ArdelVexa";
}

void setConfiguredFolder(const std::filesystem::path& configured)
{
    g_configuredFolder = configured;
}

std::string checkWritable(const std::filesystem::path& wanted)
{
    const std::filesystem::path dir = wanted.empty() ? folder() : wanted;
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error || !std::filesystem::is_directory(dir)) {
        return "The output folder " + dir.string() + " cannot be created: " +
               (error ? error.message() : std::string("a file of that name is in the way")) + ".";
    }
    // Writing a file is the only sure test: permission bits say nothing to root or
    // on a read-only file system.
    std::string probe = (dir / ".~probe.XXXXXX").string();
    const int fd = mkstemp(probe.data());
    if (fd < 0) {
        return "The output folder " + dir.string() + " is not writable: " + std::strerror(errno) + ".";
    }
    close(fd);
    unlink(probe.c_str());
    return {};
}

std::filesystem::path writeNew(const std::string& stem, const std::string& extension,
                               const std::function<void(const std::filesystem::path&)>& writer)
{
    if (const std::string problem = checkWritable(); !problem.empty()) {
        throw std::runtime_error(problem);
    }
    const std::filesystem::path dir = folder();
    const std::filesystem::path temporary =
        dir / (".~" + stem + "." + std::to_string(getpid()) + ".tmp." + extension);
    try {
        writer(temporary);
    } catch (...) {
        std::filesystem::remove(temporary);
        throw;
    }
    try {
        return moveToFreeName(temporary, dir, stem, extension);
    } catch (...) {
        std::filesystem::remove(temporary);
        throw;
    }
}

std::filesystem::path moveToFreeName(const std::filesystem::path& temporary,
                                     const std::filesystem::path& folder, const std::string& stem,
                                     const std::string& extension)
{
    constexpr int kMostNames = 10000;
    for (int number = 1; number < kMostNames; ++number) {
        const std::filesystem::path target = folder / candidateName(stem, extension, number);
        if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            return target;
        }
        if (errno == EEXIST) {
            continue;
        }
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
            throw std::runtime_error("The file " + target.string() +
                                     " could not be written: " + std::strerror(errno) + ".");
        }
        // A file system without an atomic no-replace rename: a hard link fails on
        // an existing name just the same.
        if (link(temporary.c_str(), target.c_str()) == 0) {
            unlink(temporary.c_str());
            return target;
        }
        if (errno != EEXIST) {
            throw std::runtime_error("The file " + target.string() +
                                     " could not be written: " + std::strerror(errno) + ".");
        }
    }
    throw std::runtime_error("The output folder " + folder.string() + " has no free name left for " + stem +
                             ".");
}

bool openWithDesktop(const std::filesystem::path& file)
{
    if (environmentIs("ARDELVEXA_NO_OPEN", "1")) {
        return false;
    }
    if (!std::filesystem::exists(file)) {
        return false;
    }
    for (const char* opener : {"xdg-open", "gio"}) {
        if (runOpener(opener, file)) {
            return true;
        }
    }
    return false;
}

} // namespace vexa::output
