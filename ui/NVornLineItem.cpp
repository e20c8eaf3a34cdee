#include "ui/NVornLineItem.h"

#include <QLineEdit>

namespace Common {
namespace VornModel {

NVornLineItem::NVornLineItem(int name, const QString& text) : NVornAbstractItem(name)
{
    setEditable(true);
    setValue(text);
}

QWidget* NVornLineItem::createEditor(QWidget* parent, const QModelIndex&, NVornPropertiesDelegate*)
{
    return new QLineEdit(parent);
}

bool NVornLineItem::setEditorData(QWidget* editor)
{
    auto* edit = dynamic_cast<QLineEdit*>(editor);
    if (!edit)
        return false;
    edit->setText(value().toString());
    return true;
}

void NVornLineItem::setModelData(QWidget* editor)
{
    if (auto* edit = dynamic_cast<QLineEdit*>(editor))
        setValue(edit->text());
}

} // namespace VornModel
} // namespace Common
