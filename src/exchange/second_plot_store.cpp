#include "exchange/second_plot_store.h"

#include <algorithm>

void Button10Click(App& app)
{
    AppState& s = app.state;
    // Plain copies of the extended values: nothing is converted or rounded. Entries at and above
    // the count keep what an earlier store left there.
    std::copy_n(s.SpectrumX.begin(), s.PointCount, s.SecondX.begin());
    std::copy_n(s.SpectrumY.begin(), s.PointCount, s.SecondY.begin());
    s.SecondCount = s.PointCount;
    app.ui.showMessage("STORED");
}

void Button5Click(App& app)
{
    app.controls.Button10.visible = true;
}
