#pragma once

#include "analyzer/IDisconnectionListener.h"
#include "analyzer/IRunControl.h"
#include "settings/ISettingInterface.h"
#include "analyzer/ITryIgnoreStartFromDevice.h"
#include "analyzer/Measurement.h"
#include "analyzer/NonDestructiveSlotReader.h"
#include "analyzer/NonDestructiveSlotWriter.h"
#include "analyzer/OfflineFirmwareUploader.h"
#include "analyzer/OperationError.h"
#include "analyzer/OperationState.h"
#include "analyzer/S19FirmwareFile.h"
#include "analyzer/SettingLoader.h"
#include "analyzer/SettingSetter.h"
#include "analyzer/SlotMover.h"
#include "analyzer/StartType.h"
#include "analyzer/Starter.h"
#include "analyzer/StatesTrProvider.h"
#include "settings/DryingSettings.h"
#include "ui/IStateTextRequestable.h"

#include <QObject>

class FirmwareProgressBroker;

namespace Common {
namespace Communication {
class ConnectionInfo;
}
} // namespace Common

namespace KD {

namespace Communication {
class NDryer;
}

// The one state machine that decides what may be done with the connected
// analyzer: it runs at most one parameter, slot, start/stop or firmware
// operation at a time, follows runs started by the program or on the
// analyzer's keyboard, keeps the last parameter set read and the last error,
// and publishes a translated state text. Lives on the GUI thread; the
// facade's signals reach it queued.
class HLDryerController : public QObject,
                          public IDisconnectionListener,
                          public ISettingInterface,
                          public ITryIgnoreStartFromDevice,
                          public Common::IStateTextRequestable,
                          public IRunControl
{
    Q_OBJECT

public:
    explicit HLDryerController(Communication::NDryer* dryer, QObject* parent = nullptr);

    // Requests; each is refused (false, nothing changed) unless the
    // controller is ready, except where said otherwise.
    bool startDrying() override;
    // Only while running.
    bool stopDrying() override;
    bool loadSettings(ISettingNotifiable* requester) override;
    bool readSlot(int slot, ISettingNotifiable* requester) override;
    bool writeSettings(const DryingSettings& settings) override;
    bool writeSlot(int slot, const DryingSettings& settings) override;
    void copySlotToCurrent(int slot) override;
    // The receiver follows the upload; the state stays "uploading" until the engine drops
    // the connection after it.
    bool uploadFirmwareOnline(const QString& path, FirmwareProgressBroker* receiver);
    // Only with no device and a port record with a serial part.
    bool uploadFirmwareOffline(const QString& path,
                               const Common::Communication::ConnectionInfo& port,
                               bool useBootloader, FirmwareProgressBroker* receiver);
    // A raw terminal line; false with no device or a busy engine.
    bool sendString(const QString& text);
    // The keep-alive echo.
    void setCheckConnection(bool check);
    bool setIgnoreStartFromDevice(bool ignore) override;
    // For shutting down: the offline upload's threads end within `ms` each;
    // false when one is still running (see OfflineFirmwareUploader).
    bool stopUploadThreads(int ms) { return m_offlineUploader.stopThreads(ms); }

    bool isReady() const override { return m_state.main == OperationState::Ready; }
    bool isConnected() const { return m_state.main != OperationState::NoDevice; }
    int state() const { return m_state.main; }
    bool lastLoadOk() const override { return m_loadOk; }
    DryingSettings currentSettings() const override { return m_deviceSettings; }
    OperationError lastError() const { return m_error; }

    void requestStateText() override;

signals:
    void stateText(QString text);
    void ready();
    void result(Measurement m);
    void error();
    void dryingStarted(bool isExternal, bool isIgnored, int interval);
    void destructiveStarted(bool started);
    void dryingEnd();

public slots:
    void settingLoaderFinished(bool ok);
    void settingSetterFinished(bool ok);
    void slotMoverFinished(bool ok);
    void ndSetterFinished(bool ok);
    void ndSetterStateChange();
    void ndReaderFinished(bool ok);
    void ndReaderStateChange();
    void onReady();
    void onDeviceStateChanged(int state);
    void onDisconnection() override;
    void onResultReceived(Measurement m);
    void onDryingStart(bool started, int interval);
    void onDryingStop();
    void emitStateText(const QString& main, const QString& sub = QString());
    void onStarterError();

private:
    bool deviceGone() const;
    void setMain(int state);
    void report(const OperationError& error);
    void abortOperations();
    // The starter's command was refused or failed: back to ready with the
    // error, so that the program is never stuck in starting or stopping.
    void starterFailed();

    OperationState m_state;
    Communication::NDryer* m_dryer;
    S19FirmwareFile m_firmwareFile;
    Communication::OfflineFirmwareUploader m_offlineUploader;
    Communication::Starter m_starter;
    Communication::SettingLoader m_loader;
    Communication::SettingSetter m_setter;
    Communication::NonDestructiveSlotWriter m_slotWriter;
    Communication::NonDestructiveSlotReader m_slotReader;
    Communication::SlotMover m_mover;
    ISettingNotifiable* m_requester = nullptr;
    Communication::StartType m_startType;
    bool m_loadOk = false;
    DryingSettings m_deviceSettings;
    OperationError m_error;
    bool m_ignoreStartFromDevice = true;
    StatesTrProvider m_texts;
};

} // namespace KD
