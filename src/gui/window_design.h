#pragma once

#include <span>
#include <string_view>

/** @brief Where a control of the main window sits: its parent ("" for the window's client area) and
 * its bounds in the parent's coordinates. */
struct ControlPlace {
    std::string_view name;
    std::string_view parent;
    int left, top, width, height;
};

/** @brief Every control with a place on the window, parents before their children, lower controls
 * before the controls that overlap them. */
std::span<const ControlPlace> controlPlaces();

/** @brief The size of the window's client area below the menu. */
inline constexpr int ClientWidth = 1024;
inline constexpr int ClientHeight = 688;

/** @brief An action of the window's action list. `hint` is "tooltip|long hint"; `icon` is the image
 * list index or -1. */
struct ActionDesign {
    std::string_view name;
    std::string_view caption;
    std::string_view shortcut;
    int icon;
    std::string_view hint;
};

std::span<const ActionDesign> actionList();
const ActionDesign* findAction(std::string_view name);

/** @brief A tool button or menu item and the action it shows (its icon, tooltip and shortcut text). */
struct ActionUse {
    std::string_view control;
    std::string_view action;
};

/** @brief The tool buttons with an action (the separator has none). */
std::span<const ActionUse> toolButtons();

/** @brief A menu of the main menu and its items in order ("N1" is the separator line). An item
 * without an action has an empty action name. */
struct MenuDesign {
    std::string_view menu;
    std::span<const ActionUse> items;
};

std::span<const MenuDesign> mainMenu();

/** @brief The part of a hint shown as a tooltip: the text before the bar. */
std::string_view tooltipOf(std::string_view hint);
