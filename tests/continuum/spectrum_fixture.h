#pragma once

#include "support/test_app.h"
#include "table/app_state.h"

#include <initializer_list>
#include <string>
#include <utility>

/** Puts a spectrum of (x, y) points into the state, as reading a table does. */
inline void setSpectrum(AppState& state, std::initializer_list<std::pair<Extended, Extended>> points)
{
    int i = 0;
    for (const auto& [x, y] : points) {
        state.SpectrumX[i] = x;
        state.SpectrumY[i] = y;
        ++i;
    }
    state.PointCount = i;
}

/** Holds picked points as the mouse would have left them. */
inline void setPicks(AppState& state, std::initializer_list<std::pair<Extended, Extended>> points)
{
    int i = 0;
    for (const auto& [x, y] : points) {
        state.PickX[i] = x;
        state.PickY[i] = y;
        state.LastPickY = y;
        ++i;
    }
    state.PickCount = i;
}

/** Fills every result and second-plot slot with a marker, so untouched slots show. */
inline void markOutputs(AppState& state, Extended marker)
{
    state.SecondX.fill(marker);
    state.SecondY.fill(marker);
    state.ResultX.fill(marker);
    state.ResultY.fill(marker);
}
