#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

// Operator names of the SQL column filter rows.
class FiltersTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Id {
        InOut = 0,
        In = 1,
        Out = 2,
        StartsWith = 3,
        EndsWith = 4,
        Contains = 5,
        Between = 6,
        LaterThan = 7,
        EarlierThan = 8,
        Equal = 9,
        GreaterThan = 10,
        LowerThan = 11
    };

    explicit FiltersTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};
