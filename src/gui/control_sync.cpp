#include "gui/control_sync.h"

#include "gui/latin1_text.h"
#include "gui/plot_view.h"
#include "gui/raster_image.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace {

// A table editor takes 2-3 ms per thousand lines, so the first slice shows at once and the rest is
// appended in slices of a few milliseconds each, up to a budget per event-loop turn.
constexpr int FirstSliceLines = 2000;
constexpr int SliceLines = 500;
constexpr qint64 TurnBudgetMs = 8;

/** The editor holds the whole table: the user may edit it again, with a fresh undo history. */
void endFill(QPlainTextEdit& editor)
{
    editor.setReadOnly(false);
    editor.document()->setUndoRedoEnabled(true);
    editor.document()->setModified(false);
}

} // namespace

QString tableEditorSlice(const TableText& table, int from, int to)
{
    from = std::max(from, 0);
    to = std::min(to, table.count());
    qsizetype size = 1;
    for (int i = from; i < to; ++i)
        size += static_cast<qsizetype>(table.line(i).size()) + 1;
    QString text;
    text.reserve(size);
    for (int i = from; i < to; ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += fromControlBytes(table.line(i));
    }
    if (to == table.count() && from < to && table.endsWithBreak())
        text += QLatin1Char('\n');
    return text;
}

QString tableEditorText(const TableText& table)
{
    return tableEditorSlice(table, 0, table.count());
}

TableText tableFromEditor(const QPlainTextEdit& editor)
{
    // The raw text keeps every character as typed (the plain text would turn a no-break space into
    // a blank); blocks are separated by paragraph separators.
    QString raw = editor.document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    raw.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return TableText(toControlBytes(raw));
}

void ControlSync::bind(Control& control, QWidget* widget)
{
    switch (control.kind) {
    case ControlKind::Memo:
        tables_.push_back({static_cast<MemoControl*>(&control), static_cast<QPlainTextEdit*>(widget), {}});
        break;
    case ControlKind::Picture:
        pictures_.push_back({static_cast<PictureControl*>(&control), static_cast<PlotView*>(widget), {}});
        break;
    default:
        break;
    }
    bound_.push_back({&control, widget});
}

void ControlSync::bindMenuItem(Control& control, QAction* item, const QString& shortcut)
{
    items_.push_back({&control, item, shortcut});
}

void ControlSync::pull()
{
    for (const Bound& b : bound_) {
        switch (b.control->kind) {
        case ControlKind::Edit: {
            const QString text = static_cast<QLineEdit*>(b.widget)->text();
            if (text != fromControlBytes(b.control->text))
                b.control->text = toControlBytes(text);
            break;
        }
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            b.control->checked = static_cast<QAbstractButton*>(b.widget)->isChecked();
            break;
        default:
            break;
        }
    }
    for (BoundTable& table : tables_) {
        // A table still being filled holds only part of the model's text, and the user cannot
        // have edited it (it is read-only): the model is the truth.
        QTextDocument* document = table.editor->document();
        if (table.filling() || !document->isModified())
            continue;
        table.memo->lines = tableFromEditor(*table.editor);
        table.shown = table.memo->lines;
        document->setModified(false);
    }
}

void ControlSync::push()
{
    for (const Bound& b : bound_) {
        const Control& c = *b.control;
        const QString text = fromControlBytes(c.text);
        switch (c.kind) {
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            auto* button = static_cast<QAbstractButton*>(b.widget);
            if (button->text() != text)
                button->setText(text);
            break;
        }
        case ControlKind::Edit: {
            auto* edit = static_cast<QLineEdit*>(b.widget);
            if (edit->text() != text)
                edit->setText(text);
            break;
        }
        case ControlKind::Label:
        case ControlKind::StaticText: {
            auto* label = static_cast<QLabel*>(b.widget);
            if (label->text() != text)
                label->setText(text);
            break;
        }
        case ControlKind::GroupBox:
        case ControlKind::RadioGroup:
            static_cast<QGroupBox*>(b.widget)->setTitle(text);
            break;
        default:
            break;
        }
        if (c.kind == ControlKind::CheckBox)
            static_cast<QAbstractButton*>(b.widget)->setChecked(c.checked);
        if (b.widget->isVisibleTo(b.widget->parentWidget()) != c.visible)
            b.widget->setVisible(c.visible);
    }

    // An exclusive group cannot clear its checked button, and the model may have none checked.
    if (radioGroup_ != nullptr)
        radioGroup_->setExclusive(false);
    for (const Bound& b : bound_)
        if (b.control->kind == ControlKind::RadioButton)
            static_cast<QAbstractButton*>(b.widget)->setChecked(b.control->checked);
    if (radioGroup_ != nullptr)
        radioGroup_->setExclusive(true);

    for (BoundTable& table : tables_)
        pushTable(table);
    for (BoundPicture& picture : pictures_)
        pushPicture(picture);
    for (const BoundItem& item : items_) {
        QString text = fromControlBytes(item.control->text);
        if (!item.shortcut.isEmpty())
            text += QLatin1Char('\t') + item.shortcut;
        if (!item.item->isSeparator())
            item.item->setText(text);
        item.item->setVisible(item.control->visible);
    }
}

void ControlSync::pushTable(BoundTable& table)
{
    if (table.shown && *table.shown == table.memo->lines)
        return;
    // A new text replaces whatever fill was running for this table: it starts over from the
    // model, and the fill turns continue with the new text.
    table.shown = table.memo->lines;
    table.filled = std::min(table.shown->count(), FirstSliceLines);
    QTextDocument* document = table.editor->document();
    document->setUndoRedoEnabled(false);
    table.editor->setPlainText(tableEditorSlice(*table.shown, 0, table.filled));
    if (!table.filling()) {
        endFill(*table.editor);
        return;
    }
    table.editor->setReadOnly(true);
    scheduleFill();
}

void ControlSync::appendSlice(BoundTable& table)
{
    QTextDocument* document = table.editor->document();
    const int to = std::min(table.filled + SliceLines, table.shown->count());
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertText(tableEditorSlice(*table.shown, table.filled, to));
    table.filled = to;
    if (!table.filling())
        endFill(*table.editor);
}

void ControlSync::scheduleFill()
{
    if (fillScheduled_)
        return;
    fillScheduled_ = true;
    QTimer::singleShot(0, &fillContext_, [this] { fillTurn(); });
}

void ControlSync::fillTurn()
{
    fillScheduled_ = false;
    QElapsedTimer spent;
    spent.start();
    for (BoundTable& table : tables_) {
        while (table.filling()) {
            if (spent.elapsed() >= TurnBudgetMs) {
                scheduleFill();
                return;
            }
            appendSlice(table);
        }
    }
}

bool ControlSync::filling() const
{
    return std::any_of(tables_.begin(), tables_.end(), [](const BoundTable& table) { return table.filling(); });
}

void ControlSync::finishPendingFills()
{
    for (BoundTable& table : tables_)
        while (table.filling())
            appendSlice(table);
}

void ControlSync::pushPicture(BoundPicture& picture)
{
    const Raster& raster = picture.control->picture.raster();
    if (picture.shown && *picture.shown == raster)
        return;
    picture.view->setImage(rasterToImage(raster));
    picture.shown = raster;
}
