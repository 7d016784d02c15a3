#pragma once

#include "table/app_context.h"

/**
 * @brief Reads the selected table (the right one, or the left one when "PLOT THIS DATA" is ticked)
 * into `SpectrumX`, `SpectrumY`, `TableCount` and `PointCount`, and shows the count + 1 in
 * `StaticText5`. A conversion error ends it (and the calling command) at the failing line.
 *
 * @return false when the table is too long: the message "Too long file" has been shown, no point is
 * stored and the counters and `StaticText5` are unchanged. The caller then ends its command at once,
 * without error; nothing it would do after the scan may run.
 */
[[nodiscard]] bool ScanTable(App& app);
