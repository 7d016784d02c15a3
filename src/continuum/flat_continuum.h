#pragma once

#include "table/app_context.h"

/** @brief "Inport Continum": normalises by the level of the latest picked point. */
void Button21Click(App& app);
