#include "table/rescan.h"

#include "table/axis_ranging.h"
#include "table/scan_table.h"

void Button12Click(App& app)
{
    if (ScanTable(app) && app.state.TableCount != 0)
        FindExtremes(app);
}

void Button8Click(App& app)
{
    // A too long table has shown its message; there is nothing more to do either way.
    static_cast<void>(ScanTable(app));
}
