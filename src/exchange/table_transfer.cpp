#include "exchange/table_transfer.h"

#include "plot/draw_plot.h"
#include "table/axis_ranging.h"

#include <optional>
#include <string>

namespace {

const char* const CutterFile = "C://VELK//KOLDAR//F.txt";
const char* const OriginalFile = "C://VELK//KOLDAR//F0.txt";
const char* const TransferFile = "C://VELK//TEMP.txt";

/** Saves a table where the user chooses; the dialog offers "*.txt" afresh every time. */
void saveTableAs(App& app, const TableText& table)
{
    const std::optional<std::string> chosen = app.ui.saveDialog({"TEXT - TXT", "*.txt"});
    if (!chosen)
        return;
    table.saveToFile(app.path(*chosen));
}

/** Moves the lines of one table into the other through the transfer file, unchanged. */
void moveTable(App& app, const TableText& from, TableText& to)
{
    const FilePath transfer = app.path(TransferFile);
    from.saveToFile(transfer);
    to.loadFromFile(transfer);
}

} // namespace

void Button16Click(App& app)
{
    saveTableAs(app, app.controls.Memo2.lines);
}

void Button17Click(App& app)
{
    saveTableAs(app, app.controls.Memo1.lines);
}

void Button19Click(App& app)
{
    // The cutter works on the file and is not waited for: "load" brings its result back later.
    app.controls.Memo1.lines.saveToFile(app.path(CutterFile));
    app.ui.startProgram("C://VELK//KOLDAR//ORVENT", 0);
}

void Button20Click(App& app)
{
    app.state.CalibratorMode = 0;
    app.controls.Memo2.lines.loadFromFile(app.path(CutterFile));
    app.ui.showMessage("LOADED LEFT TABLE");
}

void Button22Click(App& app)
{
    app.state.CalibratorMode = 0;
    app.controls.Memo1.lines.loadFromFile(app.path(OriginalFile));
    app.controls.Button10.visible = false;
    if (preplotAndOfferStore(app))
        DrawPlot(app);
}

void BitBtn1Click(App& app)
{
    moveTable(app, app.controls.Memo2.lines, app.controls.Memo1.lines);
    app.ui.showMessage("FROM LEFT TO RIGHT");
}

void BitBtn2Click(App& app)
{
    moveTable(app, app.controls.Memo1.lines, app.controls.Memo2.lines);
}
