#pragma once

#include "table/app_context.h"

/** @brief Writes "C://VELK//C2.txt", the geometry of the plot just drawn, for the calibrator. */
void WriteCalibrationRecord(App& app);
