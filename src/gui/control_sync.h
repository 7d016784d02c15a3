#pragma once

#include "platform/controls.h"
#include "platform/raster.h"

#include <QString>

#include <optional>
#include <vector>

class QAction;
class QButtonGroup;
class QPlainTextEdit;
class QWidget;
class PlotView;

/**
 * @brief Binds the window's widgets to the controls model, the one place that copies between them.
 * Before a command the widgets' user-made state goes into the model (`pull`); after it every widget
 * shows the model again (`push`). A table's text is taken from its widget only when the user has
 * edited it, so an untouched table keeps its exact lines and bytes.
 */
class ControlSync {
public:
    /** @brief Binds a control to the widget made for its kind. */
    void bind(Control& control, QWidget* widget);
    /** @brief Binds a menu item (or a menu, through its menu action); `shortcut` is shown beside it. */
    void bindMenuItem(Control& control, QAction* item, const QString& shortcut);
    /** @brief The one exclusive group of the window's radio buttons. */
    void bindRadioGroup(QButtonGroup* group) { radioGroup_ = group; }

    /** @brief Widgets to model: edit texts, check boxes, radio buttons, edited tables. */
    void pull();
    /** @brief Model to widgets: texts, captions, checks, visibility, tables and the picture. */
    void push();

private:
    struct Bound {
        Control* control;
        QWidget* widget;
    };
    struct BoundTable {
        MemoControl* memo;
        QPlainTextEdit* editor;
        std::optional<TableText> shown; // what the editor shows, as the model had it
    };
    struct BoundPicture {
        PictureControl* control;
        PlotView* view;
        std::optional<Raster> shown;
    };
    struct BoundItem {
        Control* control;
        QAction* item;
        QString shortcut;
    };

    void pushTable(BoundTable& table);
    void pushPicture(BoundPicture& picture);

    std::vector<Bound> bound_;
    std::vector<BoundTable> tables_;
    std::vector<BoundPicture> pictures_;
    std::vector<BoundItem> items_;
    QButtonGroup* radioGroup_ = nullptr;
};

/** @brief What a table editor shows for a table text: its lines with line feeds, and a final line
 * feed when the text ends with a break. */
QString tableEditorText(const TableText& table);
/** @brief The table text of what a table editor holds (the inverse of tableEditorText). */
TableText tableFromEditor(const QPlainTextEdit& editor);
