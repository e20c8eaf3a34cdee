#include "drying/CheckableItemCreator.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

#include "drying/ContextValue.h"
#include "drying/Item.h"
#include "ui/DateDialog.h"
#include "ui/DateWidgetWrapper.h"
#include "ui/ExtendedLineDialog.h"
#include "ui/SettingWidget.h"
#include "ui/TextWidgetWrapper.h"
#include "ui/TimeComboBoxDialog.h"
#include "ui/TimeWidgetWrapper.h"

namespace Common {
namespace Widgets {

CheckableItemCreator::CheckableItemCreator(int checkColumns)
    : m_checkable(qMax(0, checkColumns), true)
{ }

Item* CheckableItemCreator::create(int editorKind)
{
    auto* item = new Item;
    item->resize(valueColumn() + 1);
    for (int column = 0; column < m_checkable.size(); ++column) {
        if (m_checkable[column])
            item->setCell(column, new QCheckBox);
    }
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    item->setCell(labelColumn(), label);
    QWidget* editor = createEditor(editorKind);
    editor->setEnabled(m_valueEnabled);
    item->setCell(valueColumn(), editor);
    return item;
}

int CheckableItemCreator::labelColumn() const { return m_checkable.size(); }

int CheckableItemCreator::valueColumn() const { return m_checkable.size() + 1; }

void CheckableItemCreator::setCheckable(int column, bool checkable)
{
    if (column >= 0 && column < m_checkable.size())
        m_checkable[column] = checkable;
}

void CheckableItemCreator::setAllCheckable(bool checkable) { m_checkable.fill(checkable); }

QWidget* CheckableItemCreator::createEditor(int editorKind)
{
    auto* row = new SettingWidget;
    WidgetWrapper* wrapper = nullptr;
    QWidget* editor = nullptr;
    VornAbstractDialog* dialog = nullptr;
    switch (editorKind) {
    case 0:
        wrapper = new TextWidgetWrapper;
        editor = new QLineEdit;
        dialog = new ExtendedLineDialog(row);
        break;
    case 1: {
        auto* time = new QTimeEdit;
        time->setDisplayFormat(QLatin1String(KD::Drying::RunContext::timeFormat));
        wrapper = new TimeWidgetWrapper;
        editor = time;
        dialog = new TimeComboBoxDialog(false, row);
        break;
    }
    case 2: {
        auto* date = new QDateEdit;
        date->setDisplayFormat(QLatin1String(KD::Drying::RunContext::dateFormat));
        wrapper = new DateWidgetWrapper;
        editor = date;
        dialog = new DateDialog(row);
        break;
    }
    case 4:
        wrapper = new WidgetWrapper;
        editor = new QLineEdit;
        dialog = new ExtendedLineDialog(row);
        break;
    default: wrapper = new WidgetWrapper; break;
    }
    wrapper->setWidget(editor);
    row->setWrapper(wrapper);
    // The row's child, so it goes with the row; still its own window.
    row->setDialog(dialog);
    return row;
}

} // namespace Widgets
} // namespace Common
