#include "ui/NVornHotkeyItem.h"

#include <QKeySequence>

#include "ui/HotKeyButton.h"
#include "ui/NVornPropertiesDelegate.h"

namespace Common {
namespace VornModel {

NVornHotkeyItem::NVornHotkeyItem(int name) : NVornAbstractItem(name) { setEditable(true); }

QWidget* NVornHotkeyItem::createEditor(QWidget* parent, const QModelIndex&,
                                       NVornPropertiesDelegate* delegate)
{
    auto* button = new HotKeyButton(parent);
    if (delegate) {
        connect(button, &HotKeyButton::qtKeyArrived, delegate,
                &NVornPropertiesDelegate::commitAndCloseEditor);
        connect(button, &HotKeyButton::unbound, delegate,
                &NVornPropertiesDelegate::commitAndCloseEditor);
    }
    return button;
}

bool NVornHotkeyItem::setEditorData(QWidget* editor)
{
    auto* button = dynamic_cast<HotKeyButton*>(editor);
    if (!button)
        return false;
    button->setText(tr("Press key"));
    return true;
}

void NVornHotkeyItem::setModelData(QWidget* editor)
{
    auto* button = dynamic_cast<HotKeyButton*>(editor);
    if (!button)
        return;
    if (button->isUnbound())
        setValue(QString());
    else if (button->key() != -1)
        setValue(keyText(button->key(), button->modifiers()));
}

QString NVornHotkeyItem::displayText() const
{
    const QString text = value().toString();
    return text.isEmpty() ? tr("Not bound") : text;
}

QString NVornHotkeyItem::keyText(int key, Qt::KeyboardModifiers modifiers)
{
    QStringList parts;
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("Shift");
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("Ctrl");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("Alt");
    parts << QKeySequence(key).toString(QKeySequence::PortableText);
    return parts.join(QLatin1Char('+'));
}

} // namespace VornModel
} // namespace Common
