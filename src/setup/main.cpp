// specdesk-setup: prepares the working folders on drive C for specdesk.

#include "app/installation.h"
#include "platform/app_error.h"

#include <iostream>
#include <string_view>

/** The user manual, built into the program from docs/manual.html. */
std::string_view embeddedManual();

int main(int argc, char**)
{
    if (argc > 1) {
        std::cerr << "usage: specdesk-setup\n"
                     "Creates VELK and VELK/KOLDAR under the drive C folder (SPECDESK_DRIVE_C, else the home\n"
                     "folder) and writes the start picture and the help file where they are missing.\n";
        return 2;
    }
    const DriveMapping drive = DriveMapping::fromEnvironment();
    try {
        for (const InstallationStep& step : installWorkingFiles(drive, embeddedManual()))
            std::cout << describeStep(step) << '\n';
    } catch (const AppError& error) {
        std::cerr << "specdesk-setup: " << error.what() << '\n';
        return 1;
    }
    std::cout << "specdesk is set up in " << drive.driveC().string() << '\n';
    return 0;
}
