#include "platform/drive_mapping.h"

#include <cstdlib>
#include <string>

namespace {

bool startsWithDriveC(std::string_view path)
{
    return path.size() >= 3 && (path[0] == 'C' || path[0] == 'c') && path[1] == ':' &&
           (path[2] == '/' || path[2] == '\\');
}

} // namespace

DriveMapping DriveMapping::fromEnvironment()
{
    if (const char* drive = std::getenv("SPECDESK_DRIVE_C"); drive != nullptr && *drive != '\0')
        return DriveMapping(drive);
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return DriveMapping(home);
    return DriveMapping(std::filesystem::current_path());
}

FilePath DriveMapping::map(std::string_view programPath) const
{
#ifdef _WIN32
    return {std::string(programPath), std::filesystem::path(programPath)};
#else
    if (!startsWithDriveC(programPath))
        return {std::string(programPath), std::filesystem::path(programPath)};
    // The rest of the path, with runs of '/' or '\' taken as one separator.
    std::filesystem::path native = driveC_;
    std::string part;
    for (char c : programPath.substr(3)) {
        if (c == '/' || c == '\\') {
            if (!part.empty())
                native /= part;
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        native /= part;
    return {std::string(programPath), native};
#endif
}
