#pragma once

#include "table/app_context.h"

#include <string>
#include <vector>

/** @brief Start-up processing of the command line (`arguments` without the program itself). */
void startpart(App& app, const std::vector<std::string>& arguments);
/** @brief "New" (Ctrl+N): empties the right table and resets the extremes captions. */
void FileNew1Execute(App& app);
/** @brief "Open": a table file into the right table, copied to F0.txt. */
void FileOpen1Execute(App& app);
/** @brief "Exit": closes the main window. */
void FileExit1Execute(App& app);
/** @brief "About...": shows the About box. */
void HelpAbout1Execute(App& app);
