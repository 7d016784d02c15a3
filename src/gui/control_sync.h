#pragma once

#include "platform/controls.h"
#include "platform/raster.h"

#include <QObject>
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
 *
 * A long table reaches its editor in slices: `push` shows the first lines at once and the rest is
 * appended from the event loop a few milliseconds at a time, so the window stays responsive. While
 * that fill runs the editor is read-only and `pull` leaves the table alone (the model is the truth).
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

    /** @brief Whether some table editor is still being filled from the event loop. */
    bool filling() const;
    /** @brief Completes every running table fill now. */
    void finishPendingFills();

private:
    struct Bound {
        Control* control;
        QWidget* widget;
    };
    struct BoundTable {
        MemoControl* memo;
        QPlainTextEdit* editor;
        std::optional<TableText> shown; // what the editor shows (or is being filled with)
        int filled = 0;                  // lines of `shown` already in the editor
        bool filling() const { return shown && filled < shown->count(); }
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
    void appendSlice(BoundTable& table);
    void scheduleFill();
    void fillTurn();
    void pushPicture(BoundPicture& picture);

    std::vector<Bound> bound_;
    std::vector<BoundTable> tables_;
    std::vector<BoundPicture> pictures_;
    std::vector<BoundItem> items_;
    QButtonGroup* radioGroup_ = nullptr;
    // Owns the queued fill turns, so none runs after the binding is gone.
    QObject fillContext_;
    bool fillScheduled_ = false;
};

/** @brief What a table editor shows for a table text: its lines with line feeds, and a final line
 * feed when the text ends with a break. */
QString tableEditorText(const TableText& table);
/** @brief The part of `tableEditorText` that shows lines `from` to `to` (exclusive): each line but
 * the table's first is preceded by its line feed, and the final line feed comes with the last line.
 * The slices of consecutive ranges join into the whole text. */
QString tableEditorSlice(const TableText& table, int from, int to);
/** @brief The table text of what a table editor holds (the inverse of tableEditorText). */
TableText tableFromEditor(const QPlainTextEdit& editor);
