#pragma once

#include "table/app_context.h"

/** @brief The decade of a value: floor(log10) of its single-precision rounding, -9999 when not above 0. */
int decadeOf(Extended value);

/** @brief Sets 10 pixels per step, scans the table and, when points were read, finds the extremes and
 * proposes both axes. */
void Preplot(App& app);
/** @brief The four extremes of the points read, shown as "Min X=" and the like. */
void FindExtremes(App& app);
/** @brief Proposes start, step, ten steps and pixels per step for X, then for Y. */
void RangeAxes(App& app);
/** @brief "Preplot": `Preplot`, then shows "STORE". */
void Button1Click(App& app);
