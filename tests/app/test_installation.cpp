#include "app/installation.h"
#include "platform/app_error.h"
#include "platform/bitmap_file.h"
#include "support/temp_drive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

namespace fs = std::filesystem;
using Action = InstallationStep::Action;

const char* const Manual = "<html><body>manual</body></html>";

std::vector<Action> actionsOf(const std::vector<InstallationStep>& steps)
{
    std::vector<Action> actions;
    for (const InstallationStep& step : steps)
        actions.push_back(step.action);
    return actions;
}

TEST(Installation, OnAnEmptyDriveCreatesTheFoldersAndWritesBothFiles)
{
    TempDrive drive(TempDrive::Layout::Empty);
    const auto steps = installWorkingFiles(drive.mapping(), Manual);
    EXPECT_EQ(actionsOf(steps), (std::vector<Action>{Action::CreatedFolder, Action::CreatedFolder,
                                                     Action::WroteFile, Action::WroteFile}));
    EXPECT_TRUE(fs::is_directory(drive.native("C://VELK//KOLDAR//")));
    EXPECT_EQ(decodeBitmap(readFileBytes(drive.native("C://VELK//initialBMP.bmp"))), Raster::blank16Colour());
    EXPECT_EQ(readFileBytes(drive.native("C://VELK//KOLDAR//h1.hlp")), Manual);
    EXPECT_EQ(describeStep(steps[0]), "created folder " + drive.native("C://VELK//").string());
    EXPECT_EQ(describeStep(steps[3]), "wrote " + drive.native("C://VELK//KOLDAR//h1.hlp").string());
}

TEST(Installation, NeverOverwritesTheUsersFiles)
{
    TempDrive drive(TempDrive::Layout::FoldersOnly);
    writeFileBytes(drive.native("C://VELK//initialBMP.bmp"), "my own background");
    writeFileBytes(drive.native("C://VELK//KOLDAR//h1.hlp"), "my own help");
    const auto steps = installWorkingFiles(drive.mapping(), Manual);
    EXPECT_EQ(actionsOf(steps), (std::vector<Action>{Action::FoundFolder, Action::FoundFolder,
                                                     Action::KeptFile, Action::KeptFile}));
    EXPECT_EQ(readFileBytes(drive.native("C://VELK//initialBMP.bmp")), "my own background");
    EXPECT_EQ(readFileBytes(drive.native("C://VELK//KOLDAR//h1.hlp")), "my own help");
    EXPECT_EQ(describeStep(steps[2]), "kept the existing " + drive.native("C://VELK//initialBMP.bmp").string());
}

TEST(Installation, RunningTwiceWritesOnlyWhatIsMissing)
{
    TempDrive drive(TempDrive::Layout::Installed);
    const std::string background = readFileBytes(drive.native("C://VELK//initialBMP.bmp"));
    const auto steps = installWorkingFiles(drive.mapping(), Manual);
    EXPECT_EQ(actionsOf(steps), (std::vector<Action>{Action::FoundFolder, Action::FoundFolder,
                                                     Action::KeptFile, Action::WroteFile}));
    EXPECT_EQ(readFileBytes(drive.native("C://VELK//initialBMP.bmp")), background);
}

TEST(Installation, AFolderThatCannotBeCreatedIsAnError)
{
    TempDrive drive(TempDrive::Layout::Empty);
    writeFileBytes(drive.native("C://VELK"), "a file where the folder belongs");
    try {
        installWorkingFiles(drive.mapping(), Manual);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("Cannot create folder"), std::string::npos) << error.what();
    }
    EXPECT_EQ(readFileBytes(drive.native("C://VELK")), "a file where the folder belongs");
}

/** The manual the set-up installs as the help file: plain, self-contained HTML. */
TEST(Manual, IsSelfContainedHtmlCoveringTheWindow)
{
    const std::string manual = readFileBytes(fs::path(SPECDESK_SOURCE_DIR) / "docs" / "manual.html");
    ASSERT_NE(manual, "<missing>");
    EXPECT_EQ(manual.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(manual.find("</html>"), std::string::npos);
    const std::regex external(R"((src|href)\s*=\s*"(?!#))", std::regex::icase);
    EXPECT_FALSE(std::regex_search(manual, external)) << "only links inside the manual";
    EXPECT_EQ(manual.find("<script"), std::string::npos);
    for (const char* caption : {"Preplot", "Max-Min", "plot", "regognise", "Dots Plot 1", "Dots plot 2", "Texts on",
                                "Points", "Scuare Fig", "ON LINE HELP", "Inport Continum", "STORE", "Show STORE",
                                "Plot on", "Red", "Tabs", ": , to blanck", "FIT", "new", "div", "abstraction",
                                "Only tow column", "Red shift", "load", "SAVE", "cut left right", "load original",
                                "PLOT THIS DATA", "AUTO CALIBRATE", "GO ON", "F0.txt", "TEMP.txt", "an.txt",
                                "f_shifted.txt", "C2.txt", "CCCC.TXT", "xxxx.bmp", "initialBMP.bmp", "30000",
                                "a68s68r"})
        EXPECT_NE(manual.find(caption), std::string::npos) << caption;
}

} // namespace
