#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

namespace KD {

// Texts of the drying report that do not name a run context value.
class PdfTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Text { Mass = 0, Time = 1, Humidity = 2, DryMass = 3, Details = 4 };

    explicit PdfTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};

} // namespace KD
