#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

namespace KD {

// Column and scale titles of the drying run's table and plot.
class LabelsTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Id { Time = 0, Humidity = 1, DryMass = 2, Mass = 3 };

    explicit LabelsTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};

} // namespace KD
