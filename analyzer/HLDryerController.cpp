#include "analyzer/HLDryerController.h"

#include "settings/ISettingNotifiable.h"
#include "analyzer/NDryer.h"
#include "communication/ConnectionInfo.h"
#include "communication/DeviceEngine.h"
#include "ui/FirmwareProgressBroker.h"

namespace KD {

namespace {
// Operation and reason codes of the controller's own error records.
const int operationMassCheck = 7;
const int operationStart = 8;
const int reasonMassTooSmall = 7;
} // namespace

HLDryerController::HLDryerController(Communication::NDryer* dryer, QObject* parent)
    : QObject(parent), m_dryer(dryer), m_starter(dryer), m_loader(dryer), m_setter(dryer),
      m_slotWriter(dryer), m_slotReader(dryer), m_mover(dryer)
{
    registerMeasurementType();
    using namespace Communication;
    connect(&m_loader, &SettingLoader::finished, this, &HLDryerController::settingLoaderFinished);
    connect(&m_setter, &SettingSetter::finished, this, &HLDryerController::settingSetterFinished);
    connect(&m_mover, &SlotMover::finished, this, &HLDryerController::slotMoverFinished);
    connect(&m_slotWriter, &NonDestructiveSlotWriter::finished, this,
            &HLDryerController::ndSetterFinished);
    connect(&m_slotWriter, &NonDestructiveSlotWriter::stateChanged, this,
            &HLDryerController::ndSetterStateChange);
    connect(&m_slotReader, &NonDestructiveSlotReader::finished, this,
            &HLDryerController::ndReaderFinished);
    connect(&m_slotReader, &NonDestructiveSlotReader::stateChanged, this,
            &HLDryerController::ndReaderStateChange);
    connect(&m_starter, &Starter::error, this, &HLDryerController::onStarterError);
    connect(dryer, &NDryer::recordAppeared, this, &HLDryerController::onResultReceived);
    connect(dryer, &NDryer::dryingStart, this, &HLDryerController::onDryingStart);
    connect(dryer, &NDryer::dryingStop, this, &HLDryerController::onDryingStop);
    connect(dryer->engine(), &Common::Communication::DeviceEngine::connectionStateChanged, this,
            &HLDryerController::onDeviceStateChanged);
}

bool HLDryerController::startDrying()
{
    if (!isReady())
        return false;
    setMain(OperationState::Starting);
    m_startType.setProgramStart();
    if (m_starter.start())
        return true;
    starterFailed();
    return false;
}

bool HLDryerController::stopDrying()
{
    if (m_state.main != OperationState::Running)
        return false;
    setMain(OperationState::Stopping);
    if (m_starter.stop())
        return true;
    starterFailed();
    return false;
}

bool HLDryerController::loadSettings(ISettingNotifiable* requester)
{
    if (!isReady())
        return false;
    m_requester = requester;
    setMain(OperationState::ReadingCurrent);
    m_loader.load();
    return true;
}

bool HLDryerController::readSlot(int slot, ISettingNotifiable* requester)
{
    if (!isReady())
        return false;
    m_requester = requester;
    setMain(OperationState::ReadingSlot);
    m_slotReader.start(slot);
    return true;
}

bool HLDryerController::writeSettings(const DryingSettings& settings)
{
    if (!isReady())
        return false;
    setMain(OperationState::WritingCurrent);
    m_setter.set(settings);
    return true;
}

bool HLDryerController::writeSlot(int slot, const DryingSettings& settings)
{
    if (!isReady())
        return false;
    setMain(OperationState::WritingSlot);
    m_slotWriter.start(slot, settings);
    return true;
}

void HLDryerController::copySlotToCurrent(int slot)
{
    if (!isReady())
        return;
    setMain(OperationState::MovingFromSlot);
    m_mover.moveFromSlot(slot);
}

bool HLDryerController::uploadFirmwareOnline(const QString& path, FirmwareProgressBroker* receiver)
{
    // An offline upload still reads the image on its own thread.
    if (!isReady() || m_offlineUploader.isBusy())
        return false;
    setMain(OperationState::UploadingFirmware);
    m_firmwareFile.clear();
    // A file read only in part must never reach the bootloader.
    if (!m_firmwareFile.load(path) || m_firmwareFile.isEmpty()) {
        onReady();
        return false;
    }
    auto* engine = m_dryer->engine();
    if (receiver) {
        using Common::Communication::DeviceEngine;
        connect(engine, &DeviceEngine::fwUploadFinished, receiver,
                &FirmwareProgressBroker::onFinish, Qt::UniqueConnection);
        connect(engine, &DeviceEngine::fwUploadProgress, receiver,
                &FirmwareProgressBroker::onProgress, Qt::UniqueConnection);
        connect(engine, &DeviceEngine::fwUploadState, receiver,
                &FirmwareProgressBroker::onStateChange, Qt::UniqueConnection);
    }
    if (engine->scheduleFirmwareUpload(&m_firmwareFile))
        return true;
    if (receiver)
        engine->disconnect(receiver);
    onReady();
    return false;
}

bool HLDryerController::uploadFirmwareOffline(const QString& path,
                                              const Common::Communication::ConnectionInfo& port,
                                              bool useBootloader, FirmwareProgressBroker* receiver)
{
    if (m_state.main != OperationState::NoDevice || !port.hasSerial())
        return false;
    m_offlineUploader.setFirmwareFile(&m_firmwareFile);
    return m_offlineUploader.upload(port, useBootloader, path, receiver);
}

bool HLDryerController::sendString(const QString& text)
{
    if (!isConnected())
        return false;
    return m_dryer->engine()->sendString(text);
}

void HLDryerController::setCheckConnection(bool check) { m_dryer->engine()->setEchoEnabled(check); }

bool HLDryerController::setIgnoreStartFromDevice(bool ignore)
{
    if (m_state.main == OperationState::NoDevice || m_state.main == OperationState::Ready)
        m_ignoreStartFromDevice = ignore;
    return m_ignoreStartFromDevice;
}

void HLDryerController::requestStateText()
{
    const int main = m_state.main;
    const QString name = main <= OperationState::UploadingFirmware ? m_texts.text(main) : QString();
    if (main == OperationState::Running && m_startType.isDeviceStart()) {
        emitStateText(name + tr(" (external start)"));
        return;
    }
    QString sub;
    if (main == OperationState::ReadingSlot && m_state.readerStep > 0)
        sub = m_texts.text(StatesTrProvider::ReaderStepBase + m_state.readerStep);
    else if (main == OperationState::WritingSlot && m_state.writerStep > 0)
        sub = m_texts.text(StatesTrProvider::WriterStepBase + m_state.writerStep);
    emitStateText(name, sub);
}

void HLDryerController::emitStateText(const QString& main, const QString& sub)
{
    emit stateText(sub.isEmpty() ? main : main + QStringLiteral(" > ") + sub);
}

void HLDryerController::settingLoaderFinished(bool ok)
{
    if (!ok && deviceGone())
        return;
    if (ok)
        m_deviceSettings = m_loader.settings();
    else
        report(m_loader.errorInfo());
    m_loadOk = ok;
    if (m_requester)
        m_requester->settingsChanged();
    if (isConnected())
        onReady();
}

void HLDryerController::settingSetterFinished(bool ok)
{
    if (!ok && deviceGone())
        return;
    if (!ok)
        report(m_setter.errorInfo());
    if (isConnected())
        onReady();
}

void HLDryerController::slotMoverFinished(bool ok)
{
    if (!ok && deviceGone())
        return;
    if (!ok)
        report(m_mover.errorInfo());
    if (m_state.main == OperationState::MovingFromSlot)
        onReady();
}

void HLDryerController::ndSetterFinished(bool ok)
{
    if (!ok && deviceGone())
        return;
    if (!ok)
        report(m_slotWriter.errorInfo());
    if (isConnected())
        onReady();
}

void HLDryerController::ndSetterStateChange()
{
    if (m_state.main != OperationState::WritingSlot)
        return;
    m_state.writerStep = m_slotWriter.step();
    requestStateText();
}

void HLDryerController::ndReaderFinished(bool ok)
{
    if (!ok && deviceGone())
        return;
    if (ok) {
        m_deviceSettings = m_slotReader.result();
        if (m_requester)
            m_requester->settingsChanged();
    } else {
        report(m_slotReader.errorInfo());
    }
    if (isConnected())
        onReady();
}

void HLDryerController::ndReaderStateChange()
{
    if (m_state.main != OperationState::ReadingSlot)
        return;
    m_state.readerStep = m_slotReader.step();
    requestStateText();
}

void HLDryerController::onReady()
{
    setMain(OperationState::Ready);
    emit ready();
}

void HLDryerController::onDeviceStateChanged(int state)
{
    if (state == 1)
        onReady();
    else if (state == 2)
        onDisconnection();
}

void HLDryerController::onDisconnection()
{
    setMain(OperationState::NoDevice);
    abortOperations();
}

void HLDryerController::onResultReceived(Measurement m)
{
    if (m_state.main != OperationState::Running)
        return;
    if (m_startType.isDeviceStart() && m_ignoreStartFromDevice)
        return;
    emit result(m);
}

void HLDryerController::onDryingStart(bool started, int interval)
{
    switch (m_state.main) {
    case OperationState::Starting:
        if (started) {
            setMain(OperationState::Running);
            emit dryingStarted(false, false, interval);
        } else {
            report(OperationError(operationStart, reasonMassTooSmall, 0));
            onReady();
        }
        return;
    case OperationState::Ready:
        m_startType.setDeviceStart();
        if (started) {
            setMain(OperationState::Running);
            emit dryingStarted(true, m_ignoreStartFromDevice, interval);
        } else {
            if (!m_ignoreStartFromDevice)
                report(OperationError(operationMassCheck, 0, 0));
            onReady();
        }
        return;
    default:
        abortOperations();
        m_startType.setDeviceStart();
        if (started) {
            setMain(OperationState::Running);
            emit destructiveStarted(true);
            emit dryingStarted(true, m_ignoreStartFromDevice, interval);
        } else {
            emit destructiveStarted(false);
            onReady();
        }
    }
}

void HLDryerController::onDryingStop()
{
    onReady();
    emit dryingEnd();
}

void HLDryerController::onStarterError()
{
    // A late outcome (after a stop line) changes nothing.
    if (deviceGone())
        return;
    if (m_state.main == OperationState::Starting || m_state.main == OperationState::Stopping)
        starterFailed();
}

bool HLDryerController::deviceGone() const
{
    // The engine fails the running command when the connection drops, just
    // before it reports the disconnection: that is an abort, not an error.
    return m_dryer->engine()->connectionState() == Common::Communication::IDevice::Disconnected;
}

void HLDryerController::setMain(int state)
{
    m_state.main = state;
    requestStateText();
}

void HLDryerController::report(const OperationError& error)
{
    m_error = error;
    emit this->error();
}

void HLDryerController::abortOperations()
{
    // Their last command may still run on the engine: the next request of
    // the user waits for it instead of being refused.
    if (m_state.main >= OperationState::ReadingCurrent
        && m_state.main <= OperationState::WritingCurrent)
        m_dryer->engine()->abandonCommand();
    m_loader.abort();
    m_setter.abort();
    m_slotReader.abort();
    m_slotWriter.abort();
    m_mover.abort();
}

void HLDryerController::starterFailed()
{
    report(m_starter.errorInfo());
    onReady();
}

} // namespace KD
