#pragma once

#include "table/app_context.h"

/** @brief "STORE": the current spectrum becomes the second plot. */
void Button10Click(App& app);
/** @brief "Show STORE": shows the "STORE" button. */
void Button5Click(App& app);
