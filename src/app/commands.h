#pragma once

#include "table/app_context.h"

#include <string_view>

using Handler = void (*)(App&);

/** @brief What a click on a control or a shortcut runs. */
struct Command {
    std::string_view name;
    /** @brief The handler; nullptr for the standard clipboard actions (cut, copy, paste), which act on
     * the focused text control of the window and have no handler of the program. */
    Handler handler;
};

/** @brief The command bound to a click on the named control (button, tool button, menu item), or nullptr. */
const Command* clickCommand(std::string_view controlName);

/** @brief The command bound to a shortcut ("Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+X", "Ctrl+C",
 * "Ctrl+V"), or nullptr. */
const Command* shortcutCommand(std::string_view key);
