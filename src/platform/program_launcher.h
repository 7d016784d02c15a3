#pragma once

#include "platform/drive_mapping.h"

#include <string>
#include <string_view>
#include <vector>

/** @brief A command line taken apart: the program as the caller wrote it and its arguments. */
struct CommandLine {
    std::string program;
    std::vector<std::string> arguments;
};

/** @brief Splits a command line at blanks (no quoting, no expansion). */
CommandLine splitCommandLine(std::string_view commandLine);

/**
 * @brief Starts the program of `commandLine` as a separate process in its own session, not waited for,
 * with no shell and no zombie left behind. The program path is mapped like every fixed path; a path
 * without an extension gets ".exe". Returns false when it could not be started (callers do not report
 * it). The show mode only matters on Windows.
 */
bool launchProgram(std::string_view commandLine, int showMode, const DriveMapping& drive);
