#include "settings/SettingsComboBoxes.h"

#include "settings/CalcFormula.h"
#include "settings/SettingsTrProvider.h"

#include <QComboBox>

namespace {
const int slotCount = 20;
}

QString comboPlaceholderText() { return QStringLiteral(" --- "); }

void fillSlotComboBox(QComboBox* combo, const QString& firstText)
{
    combo->addItem(firstText);
    for (int slot = 1; slot <= slotCount; ++slot)
        combo->addItem(QString::number(slot));
}

void fillSlotComboBoxWithPlaceholder(QComboBox* combo)
{
    fillSlotComboBox(combo, comboPlaceholderText());
}

int slotIndexToNumber(int index) { return index - 1; }

void fillWorkModeComboBox(QComboBox* combo)
{
    const SettingsTrProvider texts;
    combo->clear();
    for (int index = 0; index < 2; ++index)
        combo->addItem(texts.workModeText(WorkMode::fromDeviceValue(index)));
}

void fillFormulaComboBox(QComboBox* combo)
{
    combo->clear();
    for (int index = 0; index < 3; ++index)
        combo->addItem(CalcFormula::name(CalcFormula::fromIndex(index)));
}

void fillProfileComboBox(QComboBox* combo)
{
    const SettingsTrProvider texts;
    combo->clear();
    for (int index = 0; index < 5; ++index)
        combo->addItem(texts.dryingProfileText(DryingProfile::fromDeviceValue(index)));
}

DryingProfile::Type profileFromComboIndex(int index)
{
    return DryingProfile::fromDeviceValue(index);
}

WorkMode::Type workModeFromComboIndex(int index) { return WorkMode::fromDeviceValue(index); }
