#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

// Translated names of the work modes and drying profiles, as the combo boxes
// and the settings table show them. Ids are text ids, not enumeration values.
class SettingsTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Id { Short = 0, Time = 1, Standard = 2, Slow = 3, Step = 4, Fast = 5, Spec = 6 };

    explicit SettingsTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
    QString workModeText(int mode) const;
    QString dryingProfileText(int profile) const;
};
