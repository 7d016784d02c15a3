#pragma once

#include "gui/control_sync.h"
#include "table/app_context.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QButtonGroup;
class QMenu;
class QtUiServices;

/**
 * @brief The main window "SDI Application": every control of the design as a view of the controls
 * model. It keeps no state of its own; every click, shortcut and mouse release runs the same handler
 * the script runner and the tests run, with the widgets and the model synchronised around it.
 */
class MainWindow : public QMainWindow {
public:
    MainWindow(App& app, QtUiServices& ui);

    /** @brief Start-up processing of the command line; runs before the window is first shown. */
    void start(const std::vector<std::string>& arguments);

    /** @brief Runs one handler: widgets to model, the handler through the general error report,
     * model to widgets. */
    void run(const std::function<void(App&)>& handler);

    /** @brief The widget of a control of the design, or nullptr. */
    QWidget* widget(std::string_view controlName) const;
    /** @brief The menu item of a control of the design (`FileOpenItem`, ...), or nullptr. */
    QAction* menuItem(std::string_view controlName) const;
    /** @brief An action of the action list (`FileNew1`, ...), or nullptr. */
    QAction* action(std::string_view actionName) const;
    QButtonGroup* radioGroup() const { return radioGroup_; }

private:
    void buildActions();
    void buildControls(QWidget* client);
    void buildMenu();
    QWidget* makeWidget(Control& control, std::string_view name, QWidget* parent);

    void click(std::string_view controlName, std::string_view actionName);
    void shortcut(const QString& key, std::string_view actionName);
    void mouseReleased(int x, int y);
    void standardClipboard(std::string_view actionName);

    App& app_;
    ControlSync sync_;
    QButtonGroup* radioGroup_ = nullptr;
    std::map<std::string, QWidget*, std::less<>> widgets_;
    std::map<std::string, QAction*, std::less<>> menuItems_;
    std::map<std::string, QAction*, std::less<>> actions_;
};
