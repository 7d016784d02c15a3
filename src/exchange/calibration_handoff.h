#pragma once

#include "table/app_context.h"

/** @brief "GO ON": hands the picture, the job file and a table to the calibrator and ends. */
void Button24Click(App& app);
