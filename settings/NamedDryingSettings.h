#pragma once

#include "settings/DryingSettings.h"

#include <QMetaType>
#include <QString>

// One stored parameter set: the name is its identity in the database and
// its member name in a JSON file.
struct NamedDryingSettings
{
    QString name;
    DryingSettings settings;
};

Q_DECLARE_METATYPE(NamedDryingSettings)
