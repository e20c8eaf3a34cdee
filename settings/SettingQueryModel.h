#pragma once

#include "settings/SettingsTrProvider.h"

#include <QMap>
#include <QSqlQueryModel>

// How one column of the stored sets is shown: as a time of day (stored in
// seconds) or as the name of an enumeration value.
struct SettingColumnKind
{
    enum Kind { Formula = 0, DryingProfile = 1, WorkMode = 2 };

    qint32 kind = Formula;
    bool isTime = false;
};

// The table of stored parameter sets with readable work modes, formulas,
// drying times and profiles; every other column and role as stored.
class SettingQueryModel : public QSqlQueryModel
{
    Q_OBJECT

public:
    explicit SettingQueryModel(QObject* parent = nullptr);

    void setColumnKinds(const QMap<int, SettingColumnKind>& kinds);
    QVariant data(const QModelIndex& item, int role = Qt::DisplayRole) const override;

private:
    QMap<int, SettingColumnKind> m_kinds;
    SettingsTrProvider m_texts;
};
