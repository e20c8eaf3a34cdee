#pragma once

#include <QObject>

#include "ui/ITranslationProvider.h"

namespace Common {

// Column titles of the run context's set-up dialog.
class ContextSetupTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Id {
        Parameter = 0,
        Value = 1,
    };

    explicit ContextSetupTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};

} // namespace Common
