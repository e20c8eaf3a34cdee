#include "ui/NVornAbstractItem.h"

#include <QWidget>

namespace Common {
namespace VornModel {

NVornAbstractItem::NVornAbstractItem(int name) : m_name(name) { }

QWidget* NVornAbstractItem::createEditor(QWidget*, const QModelIndex&, NVornPropertiesDelegate*)
{
    return nullptr;
}

bool NVornAbstractItem::setEditorData(QWidget*) { return false; }

void NVornAbstractItem::destroyEditor(QWidget* editor)
{
    if (editor)
        editor->deleteLater();
}

QVariant NVornAbstractItem::value() const { return QStandardItem::data(Qt::UserRole); }

void NVornAbstractItem::setModelData(QWidget*) { }

QString NVornAbstractItem::displayText() const { return value().toString(); }

void NVornAbstractItem::retranslate() { }

void NVornAbstractItem::setValue(const QVariant& value)
{
    QStandardItem::setData(value, Qt::UserRole);
}

QVariant NVornAbstractItem::data(int role) const
{
    if (role == Qt::DisplayRole)
        return QVariant(displayText());
    return QStandardItem::data(role);
}

void NVornAbstractItem::setData(const QVariant& value, int role)
{
    if (role == Qt::EditRole)
        setValue(value);
    else
        QStandardItem::setData(value, role);
}

} // namespace VornModel
} // namespace Common
