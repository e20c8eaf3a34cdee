#pragma once

#include "communication/DeviceInfo.h"
#include "search/DirectConnectionTarget.h"

#include <QMap>
#include <optional>

namespace Common {

// What the search page controller asks of the page.
class ITabSearching
{
public:
    // Look of the connect button.
    enum ButtonState { Greyed = 0, ConnectButton = 1, DisconnectButton = 2 };

    virtual ~ITabSearching() = default;
    virtual void searchStarted() = 0;
    virtual void searchFinished() = 0;
    virtual void setProgress(int value) = 0;
    virtual void setConnectionState(int state) = 0;
    virtual bool isEmpty() const = 0;
    virtual bool hasNoSelection() const = 0;
    virtual void setStopEnabled(bool enabled) = 0;
    virtual void appendLog(const QString& line) = 0;
    virtual void updateRow(int row, bool connected,
                           const std::optional<Communication::DeviceInfo>& info) = 0;
    virtual DirectConnectionTarget directTarget() const = 0;
    virtual void addRow() = 0;
    virtual void fillRow(int row, const QString& toolTip, const QMap<int, QString>& cells) = 0;
};

} // namespace Common
