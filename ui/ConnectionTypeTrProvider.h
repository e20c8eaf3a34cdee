#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

namespace Common {

// Texts of the connection state shown in the status bar.
class ConnectionTypeTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum TextId { Disconnected = 0, Connected = 1, Listening = 2, Connecting = 3 };

    explicit ConnectionTypeTrProvider(QObject* parent = nullptr);

    QString text(int id) const override;
};

} // namespace Common
