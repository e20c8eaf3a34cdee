#pragma once

#include "terminal/IOTerminalSignalHandler.h"

namespace KD {

class HLDryerController;

// The analyzer's side of the terminal page: command lines and the connection
// check go to the drying controller.
class KDTerminalSignalHandler : public Common::IOTerminalSignalHandler
{
    Q_OBJECT

public:
    explicit KDTerminalSignalHandler(QObject* parent = nullptr);
    void setController(HLDryerController* controller) { m_controller = controller; }

    // A line that no analyzer takes gets the warning.
    void sendString(QString text) override;
    void checkConnection(bool check) override;

private:
    HLDryerController* m_controller = nullptr;
};

} // namespace KD
