#include "picture_checks.h"

#include "plot/calibration_record.h"
#include "plot/draw_plot.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string recordOf(const TestApp& t)
{
    return readFileBytes(t.drive.native("C://VELK//C2.txt"));
}

TEST(CalibrationRecord, WorkedExampleByteForByte)
{
    TestApp t;
    t.app->DecimalSeparator = ',';
    setExampleAxes(t.state);
    t.state.CalibratorMode = 1;
    t.run(DrawPlot);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{});
    EXPECT_EQ(recordOf(t), "10 ;70 ;50 ;750 ;4000;5000;100\r\n10 ;45 ;480 ;30 ;0;1;0,1");
}

TEST(CalibrationRecord, ASecondRenderingReplacesBothLines)
{
    TestApp t;
    t.app->DecimalSeparator = ',';
    setExampleAxes(t.state);
    t.state.CalibratorMode = 1;
    t.run(DrawPlot);
    t.state.XSteps = 5;
    t.state.XPixelsPerStep = 140;
    t.state.XStep = 0.5L;
    t.state.YSteps = 2;
    t.state.YPixelsPerStep = 225;
    t.state.YStart = -1;
    t.run(DrawPlot);
    EXPECT_EQ(recordOf(t), "5 ;140 ;50 ;750 ;4000;4002,5;0,5\r\n2 ;225 ;480 ;30 ;-1;-0,8;0,1");
}

struct RecordCase {
    const char* what;
    char separator;
    std::int32_t xSteps;
    std::int32_t xPixelsPerStep;
    std::int32_t xAxisEndPixel;
    Extended xStart;
    Extended xAxisEnd;
    Extended xStep;
    const char* firstLine;
};

TEST(CalibrationRecord, WritesTheStateAsItIs)
{
    const RecordCase cases[] = {
        {"negative steps and pixels", ',', -3, -233, 750, 4000, 5000, 100, "-3 ;-233 ;50 ;750 ;4000;5000;100\r\n"},
        {"comma separator", ',', 10, 70, 750, -0.5L, 4.5L, 0.5L, "10 ;70 ;50 ;750 ;-0,5;4,5;0,5\r\n"},
        {"before any conversion", '.', 10, 70, 750, -0.5L, 4.5L, 0.5L, "10 ;70 ;50 ;750 ;-0.5;4.5;0.5\r\n"},
        {"general format", ',', 701, 0, 50, 1e-5L, 1e20L, 123456789012345678.0L,
         "701 ;0 ;50 ;50 ;1E-5;1E20;1,23456789012346E17\r\n"},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        t.app->DecimalSeparator = c.separator;
        AppState& s = t.state;
        s.XSteps = c.xSteps;
        s.XPixelsPerStep = c.xPixelsPerStep;
        s.XAxisEndPixel = c.xAxisEndPixel;
        s.XStart = c.xStart;
        s.XAxisEnd = c.xAxisEnd;
        s.XStep = c.xStep;
        s.YSteps = 1;
        s.YPixelsPerStep = 450;
        s.YAxisEndPixel = 30;
        s.YStart = 0;
        s.YAxisEnd = 2;
        s.YStep = 2;
        WriteCalibrationRecord(*t.app);
        EXPECT_EQ(recordOf(t), std::string(c.firstLine) + "1 ;450 ;480 ;30 ;0;2;2");
    }
}

TEST(CalibrationRecord, NoRecordOutsideCalibratorMode)
{
    TestApp t;
    setExampleAxes(t.state);
    const auto record = t.drive.native("C://VELK//C2.txt");
    writeFileBytes(record, "old record");
    t.run(DrawPlot);
    EXPECT_EQ(readFileBytes(record), "old record");
}

TEST(CalibrationRecord, UnwritableRecordShowsTheMessageAfterTheDrawing)
{
    TestApp t;
    setExampleAxes(t.state);
    t.state.CalibratorMode = 1;
    // A folder in the record's place: it cannot be replaced, and what it holds stays.
    const auto record = t.drive.native("C://VELK//C2.txt");
    std::filesystem::create_directory(record);
    writeFileBytes(record / "kept", "kept");
    t.run(DrawPlot);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: Error on writing the file calibration.txt"});
    EXPECT_EQ(readFileBytes(record / "kept"), "kept");
    EXPECT_EQ(t.state.XAxisEndPixel, 750) << "the plot is complete";
    EXPECT_TRUE(boxIs(t.controls.Image1.picture.raster(), 50, 480, 750, 480, colours::Black));
}

TEST(CalibrationRecord, MissingWorkingFolderShowsTheMessage)
{
    TestApp t(TempDrive::Layout::Empty);
    WriteCalibrationRecord(*t.app);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: Error on writing the file calibration.txt"});
    EXPECT_FALSE(std::filesystem::exists(t.drive.native("C://VELK")));
}

} // namespace
