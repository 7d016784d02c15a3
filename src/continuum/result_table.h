#pragma once

#include "table/app_context.h"

#include <string>
#include <string_view>

/**
 * @brief The text of a result table: for each point i below `count`, the text of `x[i]`, four
 * blanks and the text of `y[i]` under `separator`, the line with every ',' made '.', then CR LF.
 * No header; no points give empty text.
 */
std::string formatResultTable(const SpectrumArray& x, const SpectrumArray& y, int count, char separator);

/**
 * @brief Replaces the working file `programPath` with the result arrays (`ResultX`, `ResultY`,
 * `PointCount` points), loads it into the left table and shows "LOADED LEFT TABLE". When the file
 * cannot be written, shows `failureMessage` instead and leaves the file and the left table alone.
 */
void publishResultTable(App& app, std::string_view programPath, const std::string& failureMessage);
