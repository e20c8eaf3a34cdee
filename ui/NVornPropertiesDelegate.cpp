#include "ui/NVornPropertiesDelegate.h"

#include <QStandardItemModel>

#include "ui/NVornAbstractItem.h"

namespace Common {
namespace VornModel {

NVornPropertiesDelegate::NVornPropertiesDelegate(QObject* parent) : QStyledItemDelegate(parent) { }

NVornAbstractItem* NVornPropertiesDelegate::itemOf(const QModelIndex& index)
{
    const auto* model = qobject_cast<const QStandardItemModel*>(index.model());
    return model ? dynamic_cast<NVornAbstractItem*>(model->itemFromIndex(index)) : nullptr;
}

QWidget* NVornPropertiesDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const
{
    if (NVornAbstractItem* item = itemOf(index))
        return item->createEditor(parent, index, const_cast<NVornPropertiesDelegate*>(this));
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void NVornPropertiesDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (NVornAbstractItem* item = itemOf(index))
        item->destroyEditor(editor);
    else
        QStyledItemDelegate::destroyEditor(editor, index);
}

void NVornPropertiesDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (NVornAbstractItem* item = itemOf(index))
        item->setEditorData(editor);
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void NVornPropertiesDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                           const QModelIndex& index) const
{
    if (NVornAbstractItem* item = itemOf(index))
        item->setModelData(editor);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

void NVornPropertiesDelegate::commitAndCloseEditor()
{
    auto* editor = qobject_cast<QWidget*>(sender());
    if (!editor)
        return;
    emit commitData(editor);
    emit closeEditor(editor);
}

} // namespace VornModel
} // namespace Common
