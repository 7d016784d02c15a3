#pragma once

#include "platform/drive_mapping.h"

#include <filesystem>
#include <string>
#include <string_view>

/**
 * @brief A drive C of its own for one test, in a fresh temporary folder removed at the end. By default
 * it holds the working folder VELK, its sub-folder KOLDAR and the white 800 x 600 16-colour background
 * "initialBMP.bmp", as the installation leaves them.
 */
class TempDrive {
public:
    enum class Layout { Installed, FoldersOnly, Empty };

    explicit TempDrive(Layout layout = Layout::Installed);
    ~TempDrive();
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    const std::filesystem::path& root() const { return root_; }
    DriveMapping mapping() const { return DriveMapping(root_); }
    /** @brief Where a fixed path of the program ("C://VELK//F.txt") lies in this drive. */
    std::filesystem::path native(std::string_view programPath) const;

    /** @brief Writes the white 800 x 600 16-colour background into VELK. */
    void writeBackground() const;

private:
    std::filesystem::path root_;
};

/** @brief The whole content of a file, or "<missing>" when it does not exist. */
std::string readFileBytes(const std::filesystem::path& path);
/** @brief Writes a file whole (test fixtures). */
void writeFileBytes(const std::filesystem::path& path, std::string_view bytes);
