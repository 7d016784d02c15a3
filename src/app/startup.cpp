#include "app/startup.h"

#include "plot/draw_plot.h"
#include "table/axis_ranging.h"

namespace {

/** The marker the calibrator starts this program with: calibrator mode, nothing loaded. */
const char* const CalibratorMarker = "a68s68r";

/**
 * A table file into the right table. "STORE" is hidden until the new lines have been read, and the
 * lines are kept as F0.txt so that "load original" can come back to them.
 */
void openTableFile(App& app, const FilePath& file)
{
    app.controls.Memo1.lines.loadFromFile(file);
    app.controls.Button10.visible = false;
    app.controls.Memo1.lines.saveToFile(app.path("C://VELK//KOLDAR//F0.txt"));
}

} // namespace

void startpart(App& app, const std::vector<std::string>& arguments)
{
    app.state.CalibratorMode = 0;
    if (arguments.empty())
        return;
    if (arguments.front() == CalibratorMarker) {
        app.state.CalibratorMode = 1;
        return;
    }
    // Only the first argument names the table; further arguments are ignored rather than glued onto
    // it, which would name some other file.
    app.state.CommandLinePath += arguments.front();
    openTableFile(app, app.path(app.state.CommandLinePath));
    if (preplotAndOfferStore(app))
        DrawPlot(app);
}

void FileNew1Execute(App& app)
{
    app.controls.Memo1.lines.clear();
    app.controls.StaticText1.text = "Min X=";
    app.controls.StaticText3.text = "Max X=";
    app.controls.StaticText2.text = "Min Y=";
    app.controls.StaticText4.text = "Max Y=";
}

void FileOpen1Execute(App& app)
{
    const std::optional<std::string> chosen = app.ui.openDialog({"TABLE TEXT", "*.txt"});
    if (!chosen)
        return;
    openTableFile(app, app.path(*chosen));
}

void FileExit1Execute(App& app)
{
    app.ui.closeMainWindow();
}

void HelpAbout1Execute(App& app)
{
    app.ui.showAbout();
}
