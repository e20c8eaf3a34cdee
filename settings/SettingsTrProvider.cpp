#include "settings/SettingsTrProvider.h"

#include "settings/DryingProfile.h"
#include "settings/WorkMode.h"

SettingsTrProvider::SettingsTrProvider(QObject* parent) : QObject(parent) { }

QString SettingsTrProvider::text(int id) const
{
    switch (id) {
    case Short: return tr("Short");
    case Time: return tr("Time");
    case Standard: return tr("Standard");
    case Slow: return tr("Slow");
    case Step: return tr("Step");
    case Fast: return tr("Fast");
    case Spec: return tr("Spec");
    default: return QString();
    }
}

QString SettingsTrProvider::workModeText(int mode) const
{
    switch (mode) {
    case WorkMode::Short: return text(Short);
    case WorkMode::Time: return text(Time);
    default: return QString();
    }
}

QString SettingsTrProvider::dryingProfileText(int profile) const
{
    if (profile < DryingProfile::Standard || profile > DryingProfile::Spec)
        return QString();
    return text(profile + Standard);
}
