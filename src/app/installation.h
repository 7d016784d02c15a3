#pragma once

#include "platform/drive_mapping.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

/** @brief One thing the set-up did or found already done. */
struct InstallationStep {
    enum class Action { CreatedFolder, FoundFolder, WroteFile, KeptFile } action;
    std::filesystem::path path;
};

/**
 * @brief Sets up the working folders on drive C: creates "C://VELK//" and "C://VELK//KOLDAR//" and
 * writes the white 800 x 600 16-colour background "initialBMP.bmp" and the help file
 * "KOLDAR/h1.hlp" (`helpFileText`) where they are missing. A file the user already has is never
 * overwritten. Throws FileError when a folder cannot be created or a file cannot be written.
 */
std::vector<InstallationStep> installWorkingFiles(const DriveMapping& drive, std::string_view helpFileText);

/** @brief One line for the user saying what a step did, e.g. "created folder /home/ann/VELK". */
std::string describeStep(const InstallationStep& step);
