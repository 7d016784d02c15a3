#pragma once

#include "table/app_context.h"

/**
 * @brief Reads the selected table (the right one, or the left one when "PLOT THIS DATA" is ticked)
 * into `SpectrumX`, `SpectrumY`, `TableCount` and `PointCount`, and shows the count + 1 in
 * `StaticText5`. A conversion error ends it (and the calling command) at the failing line.
 */
void ScanTable(App& app);
