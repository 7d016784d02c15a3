#pragma once

#include "table/app_context.h"

/** @brief "Red shift": divides every wavelength by 1 + z. */
void Button23Click(App& app);
