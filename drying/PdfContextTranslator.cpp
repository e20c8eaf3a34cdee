#include "drying/PdfContextTranslator.h"

#include <QCheckBox>
#include <QLabel>

#include "drying/ICheckedValuesHandler.h"
#include "drying/IPdfTranslatorInfo.h"
#include "drying/IRunContextHandler.h"
#include "drying/Item.h"
#include "drying/ItemGrid.h"
#include "ui/SettingWidget.h"
#include "ui/WidgetWrapper.h"

namespace Common {
namespace RunContext {

namespace {

// Frame and inner margins of a line edit, with room to spare.
constexpr int textPadding = 16;

} // namespace

PdfContextTranslator::PdfContextTranslator(ICheckedValuesHandler* checked,
                                           IRunContextHandler* context,
                                           const IPdfTranslatorInfo* info)
    : m_checked(checked), m_context(context), m_info(info)
{
    const QList<int> order = m_info->pdfOrder();
    for (int index = 0; index < order.size(); ++index)
        m_rowIndex.insert(order[index], index);
}

void PdfContextTranslator::setGrid(Widgets::ItemGrid* grid) { m_grid = grid; }

void PdfContextTranslator::build()
{
    if (!m_grid)
        return;

    auto* header = new Widgets::Item;
    const QStringList titles = m_info->headerLabels();
    header->resize(titles.size());
    for (int column = 0; column < titles.size(); ++column) {
        auto* title = new QLabel(titles[column]);
        QFont font = title->font();
        font.setWeight(75);
        title->setFont(font);
        title->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
        header->setCell(column, title);
    }
    m_grid->addItem(header);

    const QList<int> order = m_info->pdfOrder();
    for (int id : order) {
        const WidgetInfo info = m_info->widgetInfo(id);
        m_creator.setValueEnabled(info.editable);
        Widgets::Item* item = m_creator.create(info.editorKind);
        if (auto* label = qobject_cast<QLabel*>(item->cell(m_creator.labelColumn())))
            label->setText(m_info->label(id));
        m_grid->addItem(item);
    }

    for (int id : order) {
        Widgets::SettingWidget* value = editor(id);
        if (!value || !m_info->hasValueColumn(id))
            continue;
        if (!m_info->showAsText(id)) {
            value->setValue(m_context->toVariant(id));
            continue;
        }
        const QString text = m_context->toString(id);
        value->setValue(text);
        // Read-only values cannot be scrolled into view: show them whole.
        if (QWidget* edit = value->wrapper()->widget())
            edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(text) + textPadding);
    }

    for (int id : m_checked->checkedAll()) {
        if (QCheckBox* box = checkBox(id))
            box->setChecked(true);
    }
}

void PdfContextTranslator::save()
{
    const QList<int> order = m_info->pdfOrder();
    for (int id : order) {
        Widgets::SettingWidget* value = editor(id);
        if (value && m_info->hasValueColumn(id))
            m_context->setVariant(id, value->value());
    }
    for (int id : order) {
        if (QCheckBox* box = checkBox(id))
            m_checked->setChecked(id, box->isChecked());
    }
}

QCheckBox* PdfContextTranslator::checkBox(int id) const
{
    Widgets::Item* row = rowOf(id);
    return row ? qobject_cast<QCheckBox*>(row->cell(checkColumn)) : nullptr;
}

Widgets::SettingWidget* PdfContextTranslator::editor(int id) const
{
    Widgets::Item* row = rowOf(id);
    return row ? qobject_cast<Widgets::SettingWidget*>(row->cell(m_creator.valueColumn()))
               : nullptr;
}

Widgets::Item* PdfContextTranslator::rowOf(int id) const
{
    if (!m_grid || !m_rowIndex.contains(id))
        return nullptr;
    return m_grid->item(m_rowIndex.value(id) + 1);
}

} // namespace RunContext
} // namespace Common
