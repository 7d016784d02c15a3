#pragma once

#include "platform/file_path.h"

#include <filesystem>
#include <string_view>

/**
 * @brief Maps the program's fixed paths ("C://VELK//KOLDAR//an.txt") onto this machine: the drive
 * "C:" becomes a folder, `<drive C>/VELK/KOLDAR/an.txt`. Other paths (chosen in dialogs, given on the
 * command line) are used as they are.
 */
class DriveMapping {
public:
    explicit DriveMapping(std::filesystem::path driveC) : driveC_(std::move(driveC)) {}

    /** @brief The folder of the environment variable SPECDESK_DRIVE_C, else the user's home folder. */
    static DriveMapping fromEnvironment();

    const std::filesystem::path& driveC() const { return driveC_; }

    /** @brief A fixed path of the program, or any other path, as a FilePath. */
    FilePath map(std::string_view programPath) const;

private:
    std::filesystem::path driveC_;
};
