#include "continuum/continuum_fit.h"

#include "continuum/checked_arithmetic.h"
#include "continuum/continuum_normalisation.h"
#include "continuum/least_squares_line.h"
#include "continuum/result_files.h"
#include "continuum/result_table.h"
#include "platform/number_conversions.h"

#include <span>

void Button15Click(App& app)
{
    AppState& s = app.state;
    if (s.PickCount < 2) {
        app.ui.showMessage("ONLY ONE POINT");
        return;
    }
    const auto picks = static_cast<std::size_t>(s.PickCount);
    const StraightLine line = leastSquaresLine(std::span(s.PickX).first(picks), std::span(s.PickY).first(picks));
    s.FitIntercept = line.intercept;
    s.FitSlope = line.slope;

    const Extended a = s.FitIntercept;
    const Extended b = s.FitSlope;
    normaliseByContinuum(app, [a, b](Extended x) {
        const Extended product = b * x;
        return checkedResult(product + a);
    });
    publishResultTable(app, NormalisedFile, NormalisedWriteFailure);
}

void Button18Click(App& app)
{
    app.state.PickCount = 0;
    app.controls.Label13.text = "k fit=" + IntToStr(app.state.PickCount);
}
