#pragma once

#include "platform/extended.h"
#include "table/app_context.h"

#include <string>
#include <string_view>

/**
 * @brief The JSON snapshot of an application context: every AppState field under its own name, the
 * decimal separator in force, every control's text and visibility (checked state for check boxes and
 * radio buttons, lines for the two tables), the size and depth of the plot picture, and whether the
 * main window has been asked to close.
 *
 * Extended values are strings of 21 significant digits with '.', which read back to the same value;
 * arrays run from index 0 to their last entry that is not zero. Text bytes of 0x80 and above are taken
 * as Latin-1 and written as UTF-8.
 */
std::string snapshotJson(const App& app, bool closed);

/** @brief An extended value as 21 significant digits with '.' ("%.21Lg"), whatever the locale. */
std::string extendedText(Extended value);

/** @brief Appends `bytes` as a JSON string (quotes included), Latin-1 bytes as UTF-8. */
void appendJsonString(std::string& out, std::string_view bytes);
