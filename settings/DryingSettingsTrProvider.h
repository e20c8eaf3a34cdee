#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

// Texts of the drying-settings page: its title, its icon actions and the
// titles of its filter rows (one per stored column, in column order).
class DryingSettingsTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Id {
        Title = 0,
        FilterAction = 1,
        ColumnsAction = 2,
        SaveToFileAction = 3,
        LoadFromFileAction = 4,
        FirstColumnTitle = 5,
        LastColumnTitle = 13
    };

    explicit DryingSettingsTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};
