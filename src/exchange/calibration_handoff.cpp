#include "exchange/calibration_handoff.h"

#include "platform/app_error.h"
#include "platform/atomic_file.h"
#include "platform/bitmap_file.h"
#include "platform/number_conversions.h"
#include "table/table_format.h"

#include <string>

namespace {

/**
 * The job file for the calibrator: eleven lines, CR LF after each but the last. The X values keep
 * the decimal separator in force, the Y values always carry '.'; the constant lines keep their
 * trailing blanks, which the calibrator expects.
 */
std::string calibrationJobText(const App& app)
{
    const AppState& s = app.state;
    const char separator = app.DecimalSeparator;
    std::string text;
    text += "2 \r\n";
    text += "C:\\VELK\\xxxx.bmp  \r\n";
    text += FloatToStr(s.XStart, separator) + "\r\n";
    text += FloatToStr(s.XAxisEnd, separator) + "\r\n";
    text += CommaToDot(FloatToStr(s.YStart, separator)) + "\r\n";
    text += CommaToDot(FloatToStr(s.YAxisEnd, separator)) + "\r\n";
    text += "10 \r\n";
    text += "750 \r\n";
    text += "480 \r\n";
    text += "10 \r\n";
    text += "21";
    return text;
}

} // namespace

void Button24Click(App& app)
{
    writeBitmapFile(app.path("C://VELK//xxxx.bmp"), app.controls.Image1.picture.raster());

    try {
        replaceFileWhole(app.path("C://VELK//CCCC.TXT"), calibrationJobText(app));
    } catch (const FileError&) {
        // The one failure of this command with a message of its own; the bitmap stays written.
        app.ui.showMessage("Error opening file");
        return;
    }

    const Answer answer = app.ui.confirm("Is calibrated spectrum data in LEFT table");
    if (answer == Answer::Cancel)
        return;
    const TableText& calibrated = answer == Answer::Yes ? app.controls.Memo2.lines : app.controls.Memo1.lines;
    // A table that cannot be saved ends the command here: the calibrator must not start without it.
    calibrated.saveToFile(app.path("C://VELK//F.txt"));

    app.ui.startProgram("C://VELK//Zantrel.exe xsx", 1);
    app.ui.closeMainWindow();
}
