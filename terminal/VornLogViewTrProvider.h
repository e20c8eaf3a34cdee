#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

// Titles of the log's columns, and the direction texts that the direction
// filter compares with the records' own "IN" and "OUT".
class VornLogViewTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Id { InOut = 0, Interface = 1, Date = 2, Time = 3, Message = 4, In = 5, Out = 6 };

    explicit VornLogViewTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};
