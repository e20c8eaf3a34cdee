#pragma once

#include "communication/DevNetworkInterface.h"

#include <QObject>

namespace Common {

class INetworkSettingsDialog;

namespace Communication {

// Writes new IP settings into a network module, reads them back and connects
// to the analyzer behind it, reporting each step in the dialog; ends with
// finished(true) when the new settings hold.
class IONetworkSettingsChanger : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool changeSettings(const DevNetworkInterface& current,
                                const DevNetworkInterface& desired,
                                INetworkSettingsDialog* dialog) = 0;

signals:
    void finished(bool success);
};

} // namespace Communication
} // namespace Common
