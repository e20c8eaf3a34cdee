#pragma once

#include "settings/DryingProfile.h"
#include "settings/WorkMode.h"

#include <QString>

class QComboBox;

// Combo-box fillers shared by the pages. A combo box's index is the
// analyzer's numbering of its value.

// First item of combo boxes that may name nothing.
QString comboPlaceholderText();
// The first text, then "1" to "20": item i above 0 shows memory slot i.
void fillSlotComboBox(QComboBox* combo, const QString& firstText);
void fillSlotComboBoxWithPlaceholder(QComboBox* combo);
// Zero-based slot number of a slot combo index; -1 for the first item.
int slotIndexToNumber(int index);

// These clear the combo box first; the names are translated.
void fillWorkModeComboBox(QComboBox* combo);
void fillFormulaComboBox(QComboBox* combo);
void fillProfileComboBox(QComboBox* combo);
DryingProfile::Type profileFromComboIndex(int index);
WorkMode::Type workModeFromComboIndex(int index);
