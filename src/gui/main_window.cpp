#include "gui/main_window.h"

#include "app/commands.h"
#include "app/startup.h"
#include "continuum/point_picking.h"
#include "gui/icons.h"
#include "gui/latin1_text.h"
#include "gui/mouse_release_filter.h"
#include "gui/plot_view.h"
#include "gui/qt_ui_services.h"
#include "gui/window_design.h"
#include "table/command_runner.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

MainWindow::MainWindow(App& app, QtUiServices& ui) : app_(app)
{
    setObjectName(QStringLiteral("SDIAppForm"));
    setWindowTitle(QStringLiteral("SDI Application"));
    // A small face, so the captions fit the design's control sizes.
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setPixelSize(11);
    setFont(face);

    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    buildActions();
    buildControls(client);
    buildMenu();
    move(4, 12);

    ui.attachWindow(this);
    sync_.push();
}

void MainWindow::buildActions()
{
    for (const ActionDesign& design : actionList()) {
        auto* action = new QAction(fromControlBytes(design.caption), this);
        action->setObjectName(fromControlBytes(design.name));
        action->setIcon(imageListIcon(design.icon));
        action->setToolTip(fromControlBytes(tooltipOf(design.hint)));
        actions_.emplace(design.name, action);
        // Shortcuts belong to the window, so Ctrl+N works although nothing shows "New".
        // FileSaveAs1, FileExit1 and HelpAbout1 have none and stay bound to nothing.
        if (design.shortcut.empty())
            continue;
        const QString key = fromControlBytes(design.shortcut);
        action->setShortcut(QKeySequence(key));
        addAction(action);
        const std::string_view name = design.name;
        connect(action, &QAction::triggered, this, [this, key, name] { shortcut(key, name); });
    }
}

void MainWindow::buildControls(QWidget* client)
{
    radioGroup_ = new QButtonGroup(this);
    radioGroup_->setExclusive(true);
    sync_.bindRadioGroup(radioGroup_);

    for (const ControlPlace& place : controlPlaces()) {
        Control* control = app_.controls.find(place.name);
        if (control == nullptr)
            continue;
        QWidget* parent = place.parent.empty() ? client : widget(place.parent);
        QWidget* w = makeWidget(*control, place.name, parent);
        w->setObjectName(fromControlBytes(place.name));
        w->setGeometry(place.left, place.top, place.width, place.height);
        widgets_.emplace(place.name, w);
        sync_.bind(*control, w);
    }

    // Tool buttons show the icon and the short hint of their action.
    for (const ActionUse& use : toolButtons()) {
        auto* button = static_cast<QToolButton*>(widget(use.control));
        const ActionDesign* design = findAction(use.action);
        button->setIcon(imageListIcon(design->icon));
        button->setToolTip(fromControlBytes(tooltipOf(design->hint)));
        connect(button, &QToolButton::clicked, this, [this, use] { click(use.control, use.action); });
    }

    auto* release = new MouseReleaseFilter(this, [this](int x, int y) { mouseReleased(x, y); });
    widget("Image1")->installEventFilter(release);
    widget("Label9")->installEventFilter(release);
}

QWidget* MainWindow::makeWidget(Control& control, std::string_view name, QWidget* parent)
{
    const auto clickable = [this, name](QAbstractButton* button) {
        connect(button, &QAbstractButton::clicked, this, [this, name] { click(name, {}); });
        return button;
    };
    switch (control.kind) {
    case ControlKind::ToolBar: {
        auto* bar = new QFrame(parent);
        bar->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        return bar;
    }
    case ControlKind::ToolButton: {
        auto* button = new QToolButton(parent);
        button->setAutoRaise(true);
        // Clicking a tool button leaves the focus where it was, so Cut, Copy and Paste act on the
        // text the user was editing.
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }
    case ControlKind::ToolSeparator: {
        auto* line = new QFrame(parent);
        line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        return line;
    }
    case ControlKind::Button:
        return clickable(new QPushButton(parent));
    case ControlKind::BitButton: {
        auto* button = new QPushButton(parent);
        button->setIcon(name == "BitBtn2" ? leftArrowIcon() : rightArrowIcon());
        return clickable(button);
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(parent);
        connect(box, &QCheckBox::clicked, this, [this] { sync_.pull(); });
        return box;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false);
        radioGroup_->addButton(radio);
        connect(radio, &QRadioButton::clicked, this, [this] { sync_.pull(); });
        return radio;
    }
    case ControlKind::Edit:
        return new QLineEdit(parent);
    case ControlKind::Label:
    case ControlKind::StaticText: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::GroupBox:
    case ControlKind::RadioGroup:
        return new QGroupBox(parent);
    case ControlKind::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return panel;
    }
    case ControlKind::Memo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return memo;
    }
    case ControlKind::Picture:
        return new PlotView(parent);
    case ControlKind::Container: {
        auto* container = new QFrame(parent);
        container->setFrameStyle(QFrame::Box | QFrame::Plain);
        return container;
    }
    case ControlKind::MenuItem:
        break;
    }
    return new QWidget(parent);
}

void MainWindow::buildMenu()
{
    for (const MenuDesign& design : mainMenu()) {
        Control* menuControl = app_.controls.find(design.menu);
        QMenu* menu = menuBar()->addMenu(fromControlBytes(menuControl->text));
        menu->setObjectName(fromControlBytes(design.menu));
        sync_.bindMenuItem(*menuControl, menu->menuAction(), {});
        for (const ActionUse& use : design.items) {
            Control* control = app_.controls.find(use.control);
            QAction* item = nullptr;
            QString shortcutText;
            if (use.control == "N1") {
                item = menu->addSeparator();
            } else {
                const ActionDesign* action = findAction(use.action);
                item = menu->addAction(fromControlBytes(control->text));
                if (action != nullptr) {
                    item->setIcon(imageListIcon(action->icon));
                    shortcutText = fromControlBytes(action->shortcut);
                }
                const std::string_view name = use.control;
                const std::string_view actionName = use.action;
                connect(item, &QAction::triggered, this, [this, name, actionName] { click(name, actionName); });
            }
            item->setObjectName(fromControlBytes(use.control));
            menuItems_.emplace(use.control, item);
            sync_.bindMenuItem(*control, item, shortcutText);
        }
    }
}

void MainWindow::start(const std::vector<std::string>& arguments)
{
    run([&arguments](App& app) { startpart(app, arguments); });
}

void MainWindow::run(const std::function<void(App&)>& handler)
{
    sync_.pull();
    runCommand(app_, handler);
    sync_.push();
}

void MainWindow::click(std::string_view controlName, std::string_view actionName)
{
    const Command* command = clickCommand(controlName);
    if (command == nullptr)
        return;
    if (command->handler != nullptr)
        run(command->handler);
    else
        standardClipboard(actionName);
}

void MainWindow::shortcut(const QString& key, std::string_view actionName)
{
    const Command* command = shortcutCommand(key.toStdString());
    if (command == nullptr)
        return;
    if (command->handler != nullptr)
        run(command->handler);
    else
        standardClipboard(actionName);
}

void MainWindow::mouseReleased(int x, int y)
{
    run([x, y](App& app) { MouseD(app, x, y); });
}

void MainWindow::standardClipboard(std::string_view actionName)
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focused)) {
        if (actionName == "EditCut1") edit->cut();
        else if (actionName == "EditCopy1") edit->copy();
        else if (actionName == "EditPaste1") edit->paste();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focused)) {
        if (actionName == "EditCut1") memo->cut();
        else if (actionName == "EditCopy1") memo->copy();
        else if (actionName == "EditPaste1") memo->paste();
    }
}

QWidget* MainWindow::widget(std::string_view controlName) const
{
    const auto found = widgets_.find(controlName);
    return found == widgets_.end() ? nullptr : found->second;
}

QAction* MainWindow::menuItem(std::string_view controlName) const
{
    const auto found = menuItems_.find(controlName);
    return found == menuItems_.end() ? nullptr : found->second;
}

QAction* MainWindow::action(std::string_view actionName) const
{
    const auto found = actions_.find(actionName);
    return found == actions_.end() ? nullptr : found->second;
}
