// Connection events: the box that names the device (later, through the
// presenter), the handler's event codes, and silencing.
#include <QtTest>

#include "tests/support/FakeMessageBoxPresenter.h"
#include "ui/ConnectionStateChangeDispatcher.h"
#include "ui/ConnectionStateChangeMessageBoxHandler.h"
#include "ui/IConnectionStateChangeHandler.h"
#include "ui/MessageBoxContext.h"

using namespace Common;
using Common::Communication::DeviceConnectionInfo;

namespace {

class RecordingHandler : public IConnectionStateChangeHandler
{
public:
    void onConnectionStateChange(int event, DeviceConnectionInfo info) override
    {
        events.append(event);
        models.append(info.deviceInfo.model);
    }
    QVector<int> events;
    QStringList models;
};

// Like a real box, runs the event loop while it is open.
class ModalPresenter : public IMessageBoxPresenter
{
public:
    QMessageBox::StandardButton present(const MessageBoxRequest& request) override
    {
        texts << request.text;
        maxOpen = qMax(maxOpen, ++open);
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        --open;
        return QMessageBox::Ok;
    }
    QStringList texts;
    int open = 0;
    int maxOpen = 0;
};

DeviceConnectionInfo analyzer(const QString& model)
{
    DeviceConnectionInfo info;
    info.deviceInfo = {model, "4711", "2023-05-02", "1.07"};
    Communication::SerialConnectionPart serial;
    serial.portName = "ttyUSB0";
    serial.description = "FTDI";
    serial.baudRate = 9600;
    info.connectionInfo.setSerialPart(serial);
    return info;
}

} // namespace

class TestConnectionMessages : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_boxes.reset(new FakeMessageBoxPresenter(QMessageBox::Ok));
        m_dispatcher.setConnectionStateChangeHandler(&m_handler);
        m_dispatcher.setMessageBoxHandler(&m_boxHandler);
        m_boxHandler.setSilent(false);
        m_handler = RecordingHandler();
    }
    void cleanup() { m_boxes.reset(); }

    void eventsGiveHeadersAfterTheHandler()
    {
        m_dispatcher.onConnectingTo(analyzer("A"));
        m_dispatcher.onConnectedTo(analyzer("B"));
        m_dispatcher.onCouldNotConnect(analyzer("C"));
        m_dispatcher.onDisconnectedFrom(analyzer("D"), 0);
        m_dispatcher.onDisconnectedFrom(analyzer("E"), 1);
        m_dispatcher.onDisconnectedFrom(analyzer("F"), 2);
        m_dispatcher.onDisconnectedFrom(analyzer("G"), 3);
        QCOMPARE(m_handler.events, (QVector<int>{1, 0, 4, 2, 2, 2, 2}));
        // The handler was told first; the boxes open on a later turn, in order.
        QCOMPARE(m_boxes->shown().size(), 0);
        QTRY_COMPARE(m_boxes->shown().size(), 6);
        QStringList headers;
        for (const MessageBoxRequest& box : m_boxes->shown())
            headers << box.text;
        QCOMPARE(headers, (QStringList{"Connected to:", "Unable to connect:",
                                       "No communication with device.\nDisconnected from:",
                                       "Unable to connect:", "Disconnected from:",
                                       "Communication issues.\nDisconnected from:"}));
        const MessageBoxRequest first = m_boxes->shown().first();
        QCOMPARE(first.icon, QMessageBox::Information);
        QVERIFY(first.title.isEmpty());
        QVERIFY(!first.parent);
        QCOMPARE(first.informativeText, QString("Interface: ttyUSB0 (FTDI,9600)\nModel: B\n"
                                                "S/N: 4711\nDate: 2023-05-02\nFirmware: 1.07"));
    }

    void unidentifiedDeviceKeepsEmptyFields()
    {
        m_dispatcher.onCouldNotConnect(DeviceConnectionInfo());
        QTRY_COMPARE(m_boxes->shown().size(), 1);
        QCOMPARE(m_boxes->last().informativeText,
                 QString("Interface: No interface\nModel: \nS/N: \nDate: \nFirmware: "));
    }

    void silencedHandlerStillTold()
    {
        m_dispatcher.onConnectedTo(analyzer("queued before"));
        m_boxHandler.setSilent(true);
        m_dispatcher.onDisconnectedFrom(analyzer("silenced"), 3);
        m_dispatcher.onConnectedTo(analyzer("silenced"));
        QCOMPARE(m_handler.events, (QVector<int>{0, 2, 0}));
        // A box queued before silencing still opens; none after it.
        QTRY_COMPARE(m_boxes->shown().size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(m_boxes->shown().size(), 1);
        m_boxHandler.setSilent(false);
        m_dispatcher.onCouldNotConnect(analyzer("loud again"));
        QTRY_COMPARE(m_boxes->shown().size(), 2);
    }

    void boxesOpenOneAfterTheOther()
    {
        ModalPresenter modal;
        MessageBoxContext::setPresenter(&modal);
        m_dispatcher.onDisconnectedFrom(analyzer("A"), 3);
        m_dispatcher.onCouldNotConnect(analyzer("B"));
        QTRY_COMPARE(modal.texts.size(), 2);
        MessageBoxContext::setPresenter(m_boxes.data());
        QCOMPARE(modal.maxOpen, 1);
        QCOMPARE(modal.texts.last(), QString("Unable to connect:"));
    }

private:
    QScopedPointer<FakeMessageBoxPresenter> m_boxes;
    RecordingHandler m_handler;
    ConnectionStateChangeMessageBoxHandler m_boxHandler;
    ConnectionStateChangeDispatcher m_dispatcher;
};

QTEST_MAIN(TestConnectionMessages)
#include "tst_connectionmessages.moc"
