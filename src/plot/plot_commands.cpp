#include "plot/plot_commands.h"

#include "platform/bitmap_file.h"
#include "plot/draw_plot.h"
#include "table/axis_ranging.h"

void Button11Click(App& app)
{
    if (app.controls.CheckBox12.checked) {
        // A table too long to read closes the window: nothing more to do.
        if (!Preplot(app))
            return;
        app.controls.Button10.visible = true;
    }
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
