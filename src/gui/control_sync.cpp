#include "gui/control_sync.h"

#include "gui/latin1_text.h"
#include "gui/plot_view.h"
#include "gui/raster_image.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

QString tableEditorText(const TableText& table)
{
    QString text;
    const auto& lines = table.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += fromControlBytes(lines[i]);
    }
    if (table.text().ends_with("\r\n"))
        text += QLatin1Char('\n');
    return text;
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
        QTextDocument* document = table.editor->document();
        if (!document->isModified())
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
    table.editor->setPlainText(tableEditorText(table.memo->lines));
    table.editor->document()->setModified(false);
    table.shown = table.memo->lines;
}

void ControlSync::pushPicture(BoundPicture& picture)
{
    const Raster& raster = picture.control->picture.raster();
    if (picture.shown && *picture.shown == raster)
        return;
    picture.view->setImage(rasterToImage(raster));
    picture.shown = raster;
}
