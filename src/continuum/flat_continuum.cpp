#include "continuum/flat_continuum.h"

#include "continuum/continuum_normalisation.h"
#include "continuum/result_files.h"
#include "continuum/result_table.h"

void Button21Click(App& app)
{
    const Extended level = app.state.LastPickY;
    if (!(level > 0)) {
        app.ui.showMessage("INCORECT CONTINUM");
        return;
    }
    normaliseByContinuum(app, [level](Extended) { return level; });
    publishResultTable(app, NormalisedFile, NormalisedWriteFailure);
}
