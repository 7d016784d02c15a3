#include "plot/calibration_record.h"

#include "platform/app_error.h"
#include "platform/atomic_file.h"
#include "platform/number_conversions.h"
#include "plot/pixel_mapping.h"

#include <cstdint>
#include <string>

namespace {

/** One axis of the record: four integers each followed by " ;", then three numbers separated by ";". */
std::string axisLine(std::int32_t steps, std::int32_t pixelsPerStep, int originPixel, std::int32_t endPixel,
                     Extended start, Extended end, Extended step, char separator)
{
    std::string line;
    for (const std::int64_t field : {std::int64_t{steps}, std::int64_t{pixelsPerStep}, std::int64_t{originPixel},
                                     std::int64_t{endPixel}})
        line += IntToStr(field) + " ;";
    line += FloatToStr(start, separator) + ";" + FloatToStr(end, separator) + ";" + FloatToStr(step, separator);
    return line;
}

} // namespace

void WriteCalibrationRecord(App& app)
{
    const AppState& s = app.state;
    // The calibrator reads the numbers with the separator in force, so ',' is not turned into '.'.
    const std::string record = axisLine(s.XSteps, s.XPixelsPerStep, OriginColumn, s.XAxisEndPixel, s.XStart,
                                        s.XAxisEnd, s.XStep, app.DecimalSeparator) +
                               "\r\n" +
                               axisLine(s.YSteps, s.YPixelsPerStep, OriginRow, s.YAxisEndPixel, s.YStart,
                                        s.YAxisEnd, s.YStep, app.DecimalSeparator);
    try {
        replaceFileWhole(app.path("C://VELK//C2.txt"), record);
    } catch (const FileError&) {
        // The plot is complete; the calibrator keeps the previous record.
        app.ui.showMessage("Error on writing the file calibration.txt");
    }
}
