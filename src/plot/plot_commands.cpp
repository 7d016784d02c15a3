#include "plot/plot_commands.h"

#include "platform/bitmap_file.h"
#include "plot/draw_plot.h"
#include "table/axis_ranging.h"

void Button11Click(App& app)
{
    // With "AUTO CALIBRATE" the table is read and ranged again first; a table too long to read
    // ends the command.
    if (app.controls.CheckBox12.checked && !preplotAndOfferStore(app))
        return;
    DrawPlot(app);
}

void FileSave1Execute(App& app)
{
    const auto chosen = app.ui.saveDialog({"GRAPHIC - BMP", "*.BMP"});
    if (!chosen)
        return;
    // Always a bitmap, whatever extension the name has.
    writeBitmapFile(app.path(*chosen), app.controls.Image1.picture.raster());
}
