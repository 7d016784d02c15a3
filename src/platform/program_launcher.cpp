#include "platform/program_launcher.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

CommandLine splitCommandLine(std::string_view commandLine)
{
    CommandLine result;
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < commandLine.size()) {
        while (i < commandLine.size() && commandLine[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < commandLine.size() && commandLine[i] != ' ')
            ++i;
        if (i > start)
            words.emplace_back(commandLine.substr(start, i - start));
    }
    if (!words.empty()) {
        result.program = words.front();
        result.arguments.assign(words.begin() + 1, words.end());
    }
    return result;
}

namespace {

std::string withExeExtension(const std::filesystem::path& program)
{
    std::filesystem::path withExtension = program;
    if (!program.has_extension())
        withExtension += ".exe";
    return withExtension.string();
}

// In the forked children only async-signal-safe calls are made: everything is prepared before.
[[noreturn]] void runDetachedGrandchild(char* const* argv, int errorPipe)
{
    setsid();
    const pid_t grandchild = fork();
    if (grandchild == 0) {
        execv(argv[0], argv);
        const int error = errno;
        [[maybe_unused]] ssize_t written = write(errorPipe, &error, sizeof error);
        _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
}

} // namespace

bool launchProgram(std::string_view commandLine, int /*showMode*/, const DriveMapping& drive)
{
    const CommandLine parts = splitCommandLine(commandLine);
    if (parts.program.empty())
        return false;
    std::vector<std::string> words{withExeExtension(drive.map(parts.program).native)};
    words.insert(words.end(), parts.arguments.begin(), parts.arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0)
        return false;
    // The intermediate child starts a new session and exits at once, so the program outlives us and
    // is reparented away from this process: no zombie is left and nothing waits for it.
    const pid_t child = fork();
    if (child == 0) {
        close(errorPipe[0]);
        runDetachedGrandchild(argv.data(), errorPipe[1]);
    }
    close(errorPipe[1]);
    bool started = child > 0;
    if (started) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        started = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        int execError = 0;
        ssize_t got;
        while ((got = read(errorPipe[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
        }
        started = started && got == 0;
    }
    close(errorPipe[0]);
    return started;
}
