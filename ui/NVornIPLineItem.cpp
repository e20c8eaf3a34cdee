#include "ui/NVornIPLineItem.h"

#include "ui/Ipv4Expression.h"

#include <QAbstractSocket>
#include <QHostAddress>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace Common {
namespace VornModel {

NVornIPLineItem::NVornIPLineItem(int name, const QString& text, bool netmask)
    : NVornLineItem(name, text), m_netmask(netmask),
      m_validator(new QRegularExpressionValidator(ipv4Expression(), this))
{ }

QWidget* NVornIPLineItem::createEditor(QWidget* parent, const QModelIndex& index,
                                       NVornPropertiesDelegate* delegate)
{
    QWidget* editor = NVornLineItem::createEditor(parent, index, delegate);
    static_cast<QLineEdit*>(editor)->setValidator(m_validator);
    return editor;
}

void NVornIPLineItem::setModelData(QWidget* editor)
{
    auto* edit = dynamic_cast<QLineEdit*>(editor);
    if (!edit)
        return;
    if (m_netmask) {
        setValue(contiguousMask(edit->text()));
        return;
    }
    // An unfinished address ("192.168.") is refused; the old value stays.
    if (edit->hasAcceptableInput())
        setValue(edit->text());
}

void NVornIPLineItem::setAddress(quint32 address) { setValue(QHostAddress(address).toString()); }

QString NVornIPLineItem::contiguousMask(const QString& text)
{
    const QHostAddress address(text);
    if (address.protocol() != QAbstractSocket::IPv4Protocol)
        return QStringLiteral("0.0.0.0");
    const quint32 bits = address.toIPv4Address();
    int ones = 0;
    while (ones < 32 && (bits & (0x80000000u >> ones)))
        ++ones;
    const quint32 mask = ones == 0 ? 0u : 0xFFFFFFFFu << (32 - ones);
    return QHostAddress(mask).toString();
}

} // namespace VornModel
} // namespace Common
