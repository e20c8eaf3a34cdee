#pragma once

#include "ui/NVornAbstractItem.h"

namespace Common {
namespace VornModel {

// A key combination such as "Shift+Ctrl+F5"; an empty value is not bound.
class NVornHotkeyItem : public NVornAbstractItem
{
    Q_OBJECT

public:
    explicit NVornHotkeyItem(int name);

    QWidget* createEditor(QWidget* parent, const QModelIndex& index,
                          NVornPropertiesDelegate* delegate) override;
    bool setEditorData(QWidget* editor) override;
    void setModelData(QWidget* editor) override;
    QString displayText() const override;

    // "Shift", "Ctrl" and "Alt" as present, then the key's portable name,
    // joined by "+". Meta is left out.
    static QString keyText(int key, Qt::KeyboardModifiers modifiers);
};

} // namespace VornModel
} // namespace Common
