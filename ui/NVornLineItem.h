#pragma once

#include "ui/NVornAbstractItem.h"

namespace Common {
namespace VornModel {

// Free-text value edited in a line edit.
class NVornLineItem : public NVornAbstractItem
{
public:
    NVornLineItem(int name, const QString& text);

    QWidget* createEditor(QWidget* parent, const QModelIndex& index,
                          NVornPropertiesDelegate* delegate) override;
    bool setEditorData(QWidget* editor) override;
    void setModelData(QWidget* editor) override;
};

} // namespace VornModel
} // namespace Common
