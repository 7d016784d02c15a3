#pragma once

#include "table/app_context.h"

/** @brief Redraws the whole plot picture from the state and the check boxes, records the axis ends,
 * and in calibrator mode writes the calibration record. */
void DrawPlot(App& app);
