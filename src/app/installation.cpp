#include "app/installation.h"

#include "platform/app_error.h"
#include "platform/atomic_file.h"
#include "platform/bitmap_file.h"
#include "platform/raster.h"

#include <system_error>

namespace {

void ensureFolder(const DriveMapping& drive, std::string_view programPath, std::vector<InstallationStep>& steps)
{
    const FilePath folder = drive.map(programPath);
    std::error_code error;
    if (std::filesystem::is_directory(folder.native, error)) {
        steps.push_back({InstallationStep::Action::FoundFolder, folder.native});
        return;
    }
    std::filesystem::create_directories(folder.native, error);
    // Whatever create_directories says about a path that exists as a file, it is no folder to work in.
    std::error_code ignored;
    if (!error && !std::filesystem::is_directory(folder.native, ignored))
        error = std::make_error_code(std::errc::not_a_directory);
    if (error)
        throw FileError("Cannot create folder \"" + folder.native.string() + "\". " + error.message());
    steps.push_back({InstallationStep::Action::CreatedFolder, folder.native});
}

/** Writes a file only when nothing of that name is there yet: the user's own file is kept. */
void ensureFile(const DriveMapping& drive, std::string_view programPath, std::string_view bytes,
                std::vector<InstallationStep>& steps)
{
    const FilePath file = drive.map(programPath);
    std::error_code error;
    const auto status = std::filesystem::symlink_status(file.native, error);
    if (std::filesystem::exists(status)) {
        steps.push_back({InstallationStep::Action::KeptFile, file.native});
        return;
    }
    replaceFileWhole(FilePath{file.native.string(), file.native}, bytes);
    steps.push_back({InstallationStep::Action::WroteFile, file.native});
}

} // namespace

std::vector<InstallationStep> installWorkingFiles(const DriveMapping& drive, std::string_view helpFileText)
{
    std::vector<InstallationStep> steps;
    ensureFolder(drive, "C://VELK//", steps);
    ensureFolder(drive, "C://VELK//KOLDAR//", steps);
    ensureFile(drive, "C://VELK//initialBMP.bmp", encodeBitmap(Raster::blank16Colour()), steps);
    ensureFile(drive, "C://VELK//KOLDAR//h1.hlp", helpFileText, steps);
    return steps;
}

std::string describeStep(const InstallationStep& step)
{
    const std::string path = step.path.string();
    switch (step.action) {
    case InstallationStep::Action::CreatedFolder: return "created folder " + path;
    case InstallationStep::Action::FoundFolder: return "folder already there: " + path;
    case InstallationStep::Action::WroteFile: return "wrote " + path;
    case InstallationStep::Action::KeptFile: return "kept the existing " + path;
    }
    return path;
}
