#include "settings/SettingsComboBoxes.h"

#include <QComboBox>

namespace {
const int slotCount = 20;
}

QString comboPlaceholderText()
{
    return QStringLiteral(" --- ");
}

void fillSlotComboBox(QComboBox *combo, const QString &firstText)
{
    combo->addItem(firstText);
    for (int slot = 1; slot <= slotCount; ++slot)
        combo->addItem(QString::number(slot));
}

void fillSlotComboBoxWithPlaceholder(QComboBox *combo)
{
    fillSlotComboBox(combo, comboPlaceholderText());
}

int slotIndexToNumber(int index)
{
    return index - 1;
}
