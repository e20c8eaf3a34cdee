#include "ui/NVornAbstractComboBoxItem.h"

#include "ui/NVornPropertiesDelegate.h"

#include <QComboBox>

namespace Common {
namespace VornModel {

NVornAbstractComboBoxItem::NVornAbstractComboBoxItem(int name, const QStringList& options,
                                                     int index)
    : NVornAbstractItem(name), m_options(options)
{
    setEditable(true);
    setValue(index >= 0 && index < m_options.size() ? index : 0);
}

NVornAbstractComboBoxItem::NVornAbstractComboBoxItem(int name, const TranslationListGetter& getter,
                                                     int index)
    : NVornAbstractComboBoxItem(name, getter.getList(), index)
{
    m_getter = getter;
    m_translated = true;
}

int NVornAbstractComboBoxItem::optionIndex() const
{
    bool ok = false;
    const int index = value().toInt(&ok);
    return ok && index >= 0 && index < m_options.size() ? index : -1;
}

QWidget* NVornAbstractComboBoxItem::createEditor(QWidget* parent, const QModelIndex&,
                                                 NVornPropertiesDelegate* delegate)
{
    auto* combo = new QComboBox(parent);
    combo->addItems(m_options);
    if (delegate)
        connect(combo, qOverload<int>(&QComboBox::activated), delegate,
                &NVornPropertiesDelegate::commitAndCloseEditor);
    return combo;
}

bool NVornAbstractComboBoxItem::setEditorData(QWidget* editor)
{
    auto* combo = dynamic_cast<QComboBox*>(editor);
    if (!combo)
        return false;
    combo->setCurrentIndex(qMax(0, optionIndex()));
    return true;
}

void NVornAbstractComboBoxItem::setModelData(QWidget* editor)
{
    if (auto* combo = dynamic_cast<QComboBox*>(editor))
        setValue(combo->currentIndex());
}

QString NVornAbstractComboBoxItem::displayText() const
{
    const int index = optionIndex();
    return index < 0 ? QString() : m_options.at(index);
}

void NVornAbstractComboBoxItem::retranslate()
{
    if (m_translated) {
        const QStringList options = m_getter.getList();
        if (!options.isEmpty())
            m_options = options;
    }
    emitDataChanged();
}

} // namespace VornModel
} // namespace Common
