#pragma once

#include "platform/controls.h"
#include "platform/drive_mapping.h"
#include "platform/ui_services.h"
#include "table/app_state.h"

#include <memory>

/**
 * @brief The application context every handler receives: the state record, the model of the window's
 * controls, the user-interface services, where drive C lies, and the process-wide decimal separator
 * of the number conversions.
 */
struct App {
    App(UiServices& services, DriveMapping driveMapping, char separator)
        : ui(services), drive(std::move(driveMapping)), DecimalSeparator(separator)
    {
    }
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    AppState state;
    Controls controls;
    UiServices& ui;
    DriveMapping drive;
    /** @brief Starts as the user's locale's decimal point; conversions of edit and table texts set
     * it to ',' and never set it back. */
    char DecimalSeparator;

    /** @brief A fixed path of the program ("C://VELK//...") on this machine. */
    FilePath path(std::string_view programPath) const { return drive.map(programPath); }
};

/** @brief The decimal point of the user's locale (LC_NUMERIC from the environment), '.' for C. */
char localeDecimalSeparator();

/** @brief A new context, zeroed, with the controls as designed (the state is large: it lives on the heap). */
std::unique_ptr<App> makeApp(UiServices& ui, DriveMapping drive, char separator = localeDecimalSeparator());
