#pragma once

#include "table/app_context.h"

/** @brief "FIT": least-squares continuum line through the picked points, subtracted or divided. */
void Button15Click(App& app);
/** @brief "new": forgets the picked points. */
void Button18Click(App& app);
