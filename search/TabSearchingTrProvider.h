#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

// Texts of the search page's title and icons.
class TabSearchingTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Text { Connect, Disconnect, Search, Stop, Settings, ShowDetails, DirectConnection, Title };

    explicit TabSearchingTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};
