#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

namespace Common {
namespace Widgets {

// Texts of the plot: id 0 is its help tool tip.
class PlotTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum TextId { HelpText = 0 };

    explicit PlotTrProvider(QObject* parent = nullptr);

    QString text(int id) const override;
};

} // namespace Widgets
} // namespace Common
