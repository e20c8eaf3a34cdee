#pragma once

#include "ui/NVornLineItem.h"

class QRegularExpressionValidator;

namespace Common {
namespace VornModel {

// IPv4 address or netmask in dotted text. A netmask entry is cut to its
// leading one bits, so only contiguous masks are stored.
class NVornIPLineItem : public NVornLineItem
{
public:
    NVornIPLineItem(int name, const QString& text, bool netmask = false);

    QWidget* createEditor(QWidget* parent, const QModelIndex& index,
                          NVornPropertiesDelegate* delegate) override;
    void setModelData(QWidget* editor) override;

    void setAddress(quint32 address);

    // The mask made of the leading one bits of the dotted text; "0.0.0.0"
    // for text that is no IPv4 address.
    static QString contiguousMask(const QString& text);

private:
    bool m_netmask;
    QRegularExpressionValidator* m_validator;
};

} // namespace VornModel
} // namespace Common
