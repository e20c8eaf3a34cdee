#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

namespace Common {
namespace Filters {

// Texts of the log's column filters, by FilterTextId.
class NFiltersTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    explicit NFiltersTrProvider(QObject* parent = nullptr);

    QString text(int id) const override;
};

} // namespace Filters
} // namespace Common
