#include "ui/NVornModelView.h"

#include <QHeaderView>

#include "ui/NVornAbstractItem.h"
#include "ui/NVornPropertiesDelegate.h"
#include "ui/NVornTitleItem.h"

namespace Common {
namespace VornModel {

namespace {
// Owner of the model and the delegate: the view's parent as the forms expect,
// or the view itself when it has none, so that nothing is left behind.
QObject* ownerFor(QTableView* view) { return view->parent() ? view->parent() : view; }
} // namespace

NVornModelView::NVornModelView(QWidget* parent)
    : QTableView(parent), m_model(new QStandardItemModel(ownerFor(this))),
      m_delegate(new NVornPropertiesDelegate(ownerFor(this)))
{
    m_model->setColumnCount(2);
    setModel(m_model);
    setItemDelegate(m_delegate);

    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Stretch);
    columns->setMaximumSectionSize(100);
    columns->setMinimumSectionSize(10);
    columns->hide();

    QHeaderView* rows = verticalHeader();
    rows->setMinimumSectionSize(10);
    rows->setMaximumSectionSize(100);
    rows->setDefaultSectionSize(20);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->hide();

    connect(m_model, &QStandardItemModel::itemChanged, this, &NVornModelView::onParameterChanged);
    // One press opens the editor.
    const auto edit = qOverload<const QModelIndex&>(&QAbstractItemView::edit);
    connect(this, &QAbstractItemView::pressed, this, edit);
    connect(this, &QAbstractItemView::activated, this, edit);
}

void NVornModelView::addTitle(const QString& text) { appendTitleRow(new NVornTitleItem(text)); }

void NVornModelView::addTitle(const TranslationHandle& handle)
{
    appendTitleRow(new NVornTitleItem(handle));
}

void NVornModelView::addItem(const QString& title, NVornAbstractItem* item)
{
    appendItemRow(new NVornTitleItem(title), item);
}

void NVornModelView::addItem(const TranslationHandle& title, NVornAbstractItem* item)
{
    appendItemRow(new NVornTitleItem(title), item);
}

void NVornModelView::appendTitleRow(NVornTitleItem* title)
{
    title->setBackground(QBrush(QColor("gray")));
    title->setTextAlignment(Qt::AlignCenter);
    QFont font = title->font();
    font.setWeight(QFont::Bold);
    title->setFont(font);
    m_model->appendRow(title);
    setSpan(m_model->rowCount() - 1, 0, 1, 2);
    updateGeometry();
}

void NVornModelView::appendItemRow(NVornTitleItem* title, NVornAbstractItem* item)
{
    m_model->appendRow({title, item});
    updateGeometry();
}

bool NVornModelView::isEditing() const { return state() == QAbstractItemView::EditingState; }

NVornAbstractItem* NVornModelView::item(int name) const
{
    const int row = rowOf(name);
    return row < 0 ? nullptr : dynamic_cast<NVornAbstractItem*>(m_model->item(row, 1));
}

int NVornModelView::rowOf(int name) const
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const auto* item = dynamic_cast<NVornAbstractItem*>(m_model->item(row, 1));
        if (item && item->name() == name)
            return row;
    }
    return -1;
}

QVariant NVornModelView::value(int name) const
{
    const NVornAbstractItem* found = item(name);
    return found ? found->value() : QVariant();
}

bool NVornModelView::setValue(int name, const QVariant& value)
{
    const int row = rowOf(name);
    return row >= 0 && m_model->setData(m_model->index(row, 1), value, Qt::EditRole);
}

void NVornModelView::enableItem(int name) { setRowEnabled(name, true); }

void NVornModelView::disableItem(int name) { setRowEnabled(name, false); }

void NVornModelView::setRowEnabled(int name, bool enabled)
{
    const int row = rowOf(name);
    if (row < 0)
        return;
    for (int column = 0; column < 2; ++column)
        if (QStandardItem* cell = m_model->item(row, column))
            cell->setEnabled(enabled);
}

void NVornModelView::retranslate()
{
    for (int row = 0; row < m_model->rowCount(); ++row)
        for (int column : {1, 0})
            if (auto* item = dynamic_cast<NVornAbstractItem*>(m_model->item(row, column)))
                item->retranslate();
}

QSize NVornModelView::sizeHint() const
{
    return QSize(100, m_model->rowCount() * verticalHeader()->defaultSectionSize() + 2);
}

QSize NVornModelView::minimumSizeHint() const { return sizeHint(); }

void NVornModelView::onParameterChanged(QStandardItem* item)
{
    if (auto* property = dynamic_cast<NVornAbstractItem*>(item))
        emit parameterChanged(property->name(), property->value());
}

} // namespace VornModel
} // namespace Common
