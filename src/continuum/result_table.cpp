#include "continuum/result_table.h"

#include "platform/app_error.h"
#include "platform/atomic_file.h"
#include "platform/number_conversions.h"
#include "table/table_format.h"

std::string formatResultTable(const SpectrumArray& x, const SpectrumArray& y, int count, char separator)
{
    // Two numbers of at most 23 characters, four blanks and CR LF: about 50 bytes a line.
    std::string text;
    text.reserve(static_cast<std::size_t>(count > 0 ? count : 0) * 50);
    for (int i = 0; i < count; ++i) {
        text += FloatToStr(x[i], separator);
        text += "    ";
        text += FloatToStr(y[i], separator);
        text += "\r\n";
    }
    // Line ends hold no comma, so one pass over the whole text puts each line through CommaToDot.
    return CommaToDot(text);
}

void publishResultTable(App& app, std::string_view programPath, const std::string& failureMessage)
{
    const FilePath file = app.path(programPath);
    const std::string text =
        formatResultTable(app.state.ResultX, app.state.ResultY, app.state.PointCount, app.DecimalSeparator);
    try {
        replaceFileWhole(file, text);
    } catch (const FileError&) {
        // The one write failure the command reports itself, with the program's own message.
        app.ui.showMessage(failureMessage);
        return;
    }
    app.controls.Memo2.lines.loadFromFile(file);
    app.ui.showMessage("LOADED LEFT TABLE");
}
