#pragma once

#include <QObject>

#include "ui/ITranslationProvider.h"

namespace KD {
namespace Drying {
namespace RunContext {

// Translated labels of the run context's values, by value id; unknown ids
// give an empty text.
class ContextSettingsTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    explicit ContextSettingsTrProvider(QObject* parent = nullptr);

    QString text(int id) const override;
    static QString label(int id);
};

} // namespace RunContext
} // namespace Drying
} // namespace KD
