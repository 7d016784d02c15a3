#pragma once

#include "table/app_context.h"

/** @brief "SAVE" beside the left table. */
void Button16Click(App& app);
/** @brief "SAVE" under the right table. */
void Button17Click(App& app);
/** @brief "cut left right": the right table to KOLDAR/F.txt, then starts the cutter. */
void Button19Click(App& app);
/** @brief "load": KOLDAR/F.txt into the left table. */
void Button20Click(App& app);
/** @brief "load original": F0.txt into the right table, read and plotted. */
void Button22Click(App& app);
/** @brief Right-pointing arrow: the left table into the right one. */
void BitBtn1Click(App& app);
/** @brief Left-pointing arrow: the right table into the left one. */
void BitBtn2Click(App& app);
