#pragma once

#include "table/app_context.h"

/** @brief "plot": with "AUTO CALIBRATE" ticked reads and ranges again first, then draws. */
void Button11Click(App& app);
/** @brief "Save" (Ctrl+S, the tool bar, "&Save as"): writes the picture as a bitmap file. */
void FileSave1Execute(App& app);
