#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

namespace KD {

// Texts of the drying controller's states (ids 0 to 10) and of the steps of
// the compound slot reader (ids 11 to 15) and slot writer (ids 16 to 20).
class StatesTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    // First id of the slot reader's and the slot writer's step texts.
    enum { ReaderStepBase = 11, WriterStepBase = 16 };

    explicit StatesTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};

} // namespace KD
