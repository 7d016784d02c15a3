#include "platform/drive_mapping.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct MappingCase {
    const char* programPath;
    const char* native;
};

class DriveMappingCases : public testing::TestWithParam<MappingCase> {};

TEST_P(DriveMappingCases, FixedPathsLandUnderDriveC)
{
    const DriveMapping drive("/drive");
    const FilePath mapped = drive.map(GetParam().programPath);
    EXPECT_EQ(mapped.shown, GetParam().programPath);
    EXPECT_EQ(mapped.native.string(), GetParam().native);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DriveMappingCases,
    testing::Values(MappingCase{"C://VELK//KOLDAR//an.txt", "/drive/VELK/KOLDAR/an.txt"},
                    MappingCase{"C://VELK//initialBMP.bmp", "/drive/VELK/initialBMP.bmp"},
                    MappingCase{"c:\\velk\\koldar\\f.txt", "/drive/velk/koldar/f.txt"},
                    MappingCase{"C:/VELK/F.txt", "/drive/VELK/F.txt"},
                    MappingCase{"/home/user/spectrum.txt", "/home/user/spectrum.txt"},
                    MappingCase{"relative name.txt", "relative name.txt"},
                    MappingCase{"C:name", "C:name"}));

TEST(DriveMapping, EnvironmentVariableWinsOverHome)
{
    const char* saved = std::getenv("SPECDESK_DRIVE_C");
    const std::string restore = saved ? saved : "";
    setenv("SPECDESK_DRIVE_C", "/somewhere", 1);
    EXPECT_EQ(DriveMapping::fromEnvironment().driveC().string(), "/somewhere");
    unsetenv("SPECDESK_DRIVE_C");
    setenv("HOME", "/home/astronomer", 1);
    EXPECT_EQ(DriveMapping::fromEnvironment().driveC().string(), "/home/astronomer");
    if (saved)
        setenv("SPECDESK_DRIVE_C", restore.c_str(), 1);
}

} // namespace
