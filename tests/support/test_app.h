#pragma once

#include "app/scripted_ui.h"
#include "support/temp_drive.h"
#include "table/app_context.h"

#include <memory>
#include <string>
#include <vector>

/**
 * @brief An application context on a drive of its own, with scripted user-interface services that
 * record every line the user would see (`seen`). The decimal separator starts as '.', as under the C
 * locale. Programs are not started unless a test asks for it.
 */
struct TestApp {
    explicit TestApp(TempDrive::Layout layout = TempDrive::Layout::Installed, char separator = '.');

    /** @brief Runs a handler through the general error report, as the window does. */
    void run(void (*handler)(App&));
    /** @brief The lines seen so far, then forgets them. */
    std::vector<std::string> takeSeen();
    /** @brief Replaces a table's text (`Memo1` or `Memo2`) as loading a file does. */
    void setTable(MemoControl& table, std::string_view text) { table.lines.setText(text); }

    TempDrive drive;
    std::vector<std::string> seen;
    ScriptedUi ui;
    std::unique_ptr<App> app;
    AppState& state;
    Controls& controls;
};
