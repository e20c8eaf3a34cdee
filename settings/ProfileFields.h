#pragma once

#include "settings/DryingSettings.h"

#include <QVector>

// Which values of its own each drying profile carries, written once and read
// by the settings database (a profile table per profile), the parameter-set
// files (a member per value) and the comparison of two sets.
namespace ProfileFields {

struct Field
{
    // Column of the profile's table and member of a parameter-set file.
    const char* column;
    const char* jsonKey;
    // A time (kept as QTime, stored as whole seconds) or a temperature.
    QTime (DryingSettings::*time)() const;
    void (DryingSettings::*setTime)(const QTime&);
    int (DryingSettings::*number)() const;
    void (DryingSettings::*setNumber)(int);

    bool isTime() const { return time != nullptr; }
    // Seconds for a time, degrees for a temperature.
    int stored(const DryingSettings& settings) const;
    void setStored(DryingSettings& settings, int value) const;
    bool equal(const DryingSettings& a, const DryingSettings& b) const;
};

struct Profile
{
    // Null for a profile without values of its own.
    const char* table;
    QVector<Field> fields;
};

const Profile& of(DryingProfile::Type profile);

} // namespace ProfileFields
