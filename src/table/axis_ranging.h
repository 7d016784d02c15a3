#pragma once

#include "table/app_context.h"
#include "table/axis_range.h"

/**
 * @brief Sets 10 pixels per step, scans the table and, when points were read, finds the extremes and
 * proposes both axes.
 * @return false when the table was too long ("Too long file" shown): the caller ends its command
 * at once, without error.
 */
[[nodiscard]] bool Preplot(App& app);
/** @brief The four extremes of the points read, shown as "Min X=" and the like. */
void FindExtremes(App& app);
/** @brief Proposes start, step, ten steps and pixels per step for X, then for Y. An axis without a
 * usable decade keeps its settings, and a message says why. */
void RangeAxes(App& app);
/** @brief `Preplot`, then shows "STORE", as every command that reads a table for display does.
 * False when the table was too long to read: the caller then stops. */
[[nodiscard]] bool preplotAndOfferStore(App& app);
/** @brief "Preplot": `Preplot`, then shows "STORE". */
void Button1Click(App& app);
