#pragma once

#include "table/app_context.h"

/** @brief "Help": shows the contents of the help file. */
void Help2Click(App& app);
/** @brief "ON LINE HELP": writes the Internet shortcut and opens its address in the browser. */
void Button25Click(App& app);
