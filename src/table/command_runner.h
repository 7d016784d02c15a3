#pragma once

#include "table/app_context.h"

#include <functional>

/**
 * @brief Runs one command: an error that ends it (a refused conversion, a file that cannot be read or
 * written, a division by zero) is shown by the general error report, and the program goes on. What
 * the command did before the error stays done. This is the one place that catches and reports.
 */
void runCommand(App& app, const std::function<void(App&)>& handler);
