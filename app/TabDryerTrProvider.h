#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

// The drying page's title and icon texts.
class TabDryerTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Id {
        Title = 0,
        GeneratePdf = 1,
        SaveData = 2,
        LoadData = 3,
        ClearData = 4,
        RunContext = 5
    };

    explicit TabDryerTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};
