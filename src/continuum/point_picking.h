#pragma once

#include "table/app_context.h"

/** @brief A mouse button released over the plot (or over `Label9`) at pixel (x, y): picks a point. */
void MouseD(App& app, int x, int y);
