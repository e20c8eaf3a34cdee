#pragma once

#include <QStringList>

#include "ui/NVornAbstractItem.h"
#include "ui/TranslationListGetter.h"

namespace Common {
namespace VornModel {

// A choice from a list of options; the value is the chosen index.
class NVornAbstractComboBoxItem : public NVornAbstractItem
{
public:
    NVornAbstractComboBoxItem(int name, const QStringList& options, int index);
    NVornAbstractComboBoxItem(int name, const TranslationListGetter& getter, int index);

    QWidget* createEditor(QWidget* parent, const QModelIndex& index,
                          NVornPropertiesDelegate* delegate) override;
    bool setEditorData(QWidget* editor) override;
    void setModelData(QWidget* editor) override;
    QString displayText() const override;
    void retranslate() override;

    QStringList options() const { return m_options; }

private:
    // The value as an index into the options, or -1 when it is none of them.
    int optionIndex() const;

    QStringList m_options;
    TranslationListGetter m_getter;
    bool m_translated = false;
};

} // namespace VornModel
} // namespace Common
