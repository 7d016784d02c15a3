#pragma once

#include "table/app_state.h"

/** The axes of the usual example: X 4000 to 5000 in ten steps of 70 pixels, Y 0 to 1 in ten of 45. */
inline void setExampleAxes(AppState& s)
{
    s.XSteps = 10;
    s.XPixelsPerStep = 70;
    s.XStart = 4000;
    s.XStep = 100;
    s.YSteps = 10;
    s.YPixelsPerStep = 45;
    s.YStart = 0;
    s.YStep = 0.1L;
}
