#pragma once

#include "table/app_context.h"

/** @brief "Max-Min": reads the table again and shows its extremes; the axis settings stay. */
void Button12Click(App& app);
/** @brief "regognise": reads the table again, nothing else. */
void Button8Click(App& app);
