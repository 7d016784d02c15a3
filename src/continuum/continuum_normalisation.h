#pragma once

#include "continuum/checked_arithmetic.h"
#include "table/app_context.h"

/**
 * @brief Normalises the current spectrum by a continuum: for each point in order, the continuum
 * (`continuumAt(x)`) becomes the second plot and the spectrum minus it ("abstraction " selected) or
 * divided by it (otherwise) the result; then `SecondCount` = `PointCount`. The radio button is read
 * for every point. A zero divisor or an overflow ends the command at that point; earlier points keep
 * their new values.
 */
template <class Continuum>
void normaliseByContinuum(App& app, Continuum continuumAt)
{
    AppState& s = app.state;
    for (int i = 0; i < s.PointCount; ++i) {
        const Extended x = s.SpectrumX[i];
        s.SecondX[i] = x;
        const Extended c = continuumAt(x);
        s.SecondY[i] = c;
        s.ResultX[i] = x;
        if (app.controls.RadioButton1.checked)
            s.ResultY[i] = checkedResult(s.SpectrumY[i] - c);
        else
            s.ResultY[i] = checkedQuotient(s.SpectrumY[i], c);
    }
    s.SecondCount = s.PointCount;
}
