#pragma once

#include "analyzer/CommandCreator.h"
#include "analyzer/DryerLineParser.h"
#include "analyzer/KDCommandHandler.h"
#include "analyzer/Measurement.h"
#include "communication/DeviceEngine.h"

#include <QObject>
#include <QVariant>

class QThread;

namespace KD {
namespace Communication {

// The one object through which the product talks to a connected analyzer. It
// lives on the communication thread; the forwarders are called from the GUI
// thread and only schedule a command on the device engine, returning whether
// the engine took it. Results come back as signals.
class NDryer : public QObject
{
    Q_OBJECT
public:
    // Moves itself to `thread` when one is given.
    explicit NDryer(QThread* thread = nullptr);

    Common::Communication::DeviceEngine* engine() { return &m_engine; }

    bool sendCommand(int code);
    bool sendCommandInt(int code, int value);

    bool startDrying();
    bool stopDrying();

    bool loadMainTemperature();
    bool loadWorkMode();
    bool loadCalcFormula();
    bool loadSamplesQuantity();
    bool loadSamplingTime();
    bool loadDryingTime();
    bool loadDryingProfile();

    // Values already encoded for the wire.
    bool setMainTemperature(int value);
    bool setWorkMode(int value);
    bool setCalcFormula(int value);
    bool setSamplesQuantity(int value);
    bool setSamplingTime(int seconds);
    bool setDryingTime(int seconds);
    bool setDryingProfile(int value);

    // Slot numbers count from 1.
    bool copyCurrentToSlot(int slotNumber);
    bool copySlotToCurrent(int slotNumber);

    bool loadSlowTime();
    bool loadStepTime1();
    bool loadStepTime2();
    bool loadStepTemperature1();
    bool loadStepTemperature2();
    bool loadFastTime();
    bool loadFastTemperature();

    bool setSlowTime(int seconds);
    bool setStepTime1(int seconds);
    bool setStepTime2(int seconds);
    bool setStepTemperature1(int value);
    bool setStepTemperature2(int value);
    bool setFastTime(int seconds);
    bool setFastTemperature(int value);

signals:
    // result: 1 ok, 2 failed, 3 timed out; resp holds a loaded value.
    void commandFinished(int, int, QVariant);
    void recordAppeared(Measurement m);
    // Mass verdict and sampling interval in seconds.
    void dryingStart(bool, int);
    void dryingStop();

public slots:
    void onRecordAppeared(Measurement m);
    void onDryingStart(bool, Measurement initial, int interval);
    void onDryingStop();

private:
    DryerLineParser m_parser;
    Common::Communication::DeviceEngine m_engine;
    CommandCreator m_creator;
    KDCommandHandler m_handler;
};

} // namespace Communication
} // namespace KD
