#pragma once

#include "communication/ILineHandler.h"

#include <QMutex>
#include <QObject>
#include <QStringList>

class CInterface;
class GenericCommandCreator;
class QThread;
class RecordingCommandHandler;

namespace Common {
namespace Communication {
class DeviceEngine;
}
} // namespace Common

// A device engine on a communication thread with the generic command set,
// as a test drives it: what it reports arrives here, queued, as events
// ("state 4 0", "failed" for connectionFailed, "ok 36 0" and the other
// handler outcomes, "upload 1", "upload state 2").
class DeviceEngineRig : public QObject, public Common::Communication::ILineHandler
{
    Q_OBJECT

public:
    DeviceEngineRig(QThread* thread, int replyTimeout, int echoInterval, QObject* parent = nullptr);
    ~DeviceEngineRig() override;

    Common::Communication::DeviceEngine* engine() const { return m_engine; }
    GenericCommandCreator* creator() const { return m_creator; }
    QStringList events;

    // Gives the engine a command engine over the transport and connects;
    // true once the device has identified itself (events are then cleared).
    void attachAndConnect(CInterface* transport);
    bool connectDevice(CInterface* transport);

    // Lines no command consumed, as the engine handed them on.
    QStringList lines();
    bool handleLine(QString line) override;

private:
    Common::Communication::DeviceEngine* m_engine;
    GenericCommandCreator* m_creator;
    RecordingCommandHandler* m_handler;
    QThread* m_thread;
    QMutex m_mutex;
    QStringList m_lines;
};
