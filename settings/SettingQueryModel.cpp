#include "settings/SettingQueryModel.h"

#include "communication/TimeConversions.h"
#include "settings/CalcFormula.h"
#include "settings/DryingProfile.h"
#include "settings/WorkMode.h"

SettingQueryModel::SettingQueryModel(QObject* parent) : QSqlQueryModel(parent) { }

void SettingQueryModel::setColumnKinds(const QMap<int, SettingColumnKind>& kinds)
{
    m_kinds = kinds;
}

QVariant SettingQueryModel::data(const QModelIndex& item, int role) const
{
    const QVariant value = QSqlQueryModel::data(item, role);
    const auto kind = m_kinds.constFind(item.column());
    if (role != Qt::DisplayRole || kind == m_kinds.constEnd())
        return value;
    const int stored = value.toInt();
    if (kind->isTime)
        return timeToText(secondsToTime(stored));
    switch (kind->kind) {
    case SettingColumnKind::Formula: return CalcFormula::name(CalcFormula::fromIndex(stored));
    case SettingColumnKind::DryingProfile:
        return m_texts.dryingProfileText(DryingProfile::fromDeviceValue(stored));
    case SettingColumnKind::WorkMode:
        return m_texts.workModeText(WorkMode::fromDeviceValue(stored));
    default: return value;
    }
}
