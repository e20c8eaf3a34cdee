// The search page with its controller, the real search and connection
// manager, and an analyzer simulated on a pseudo-terminal: search, connect,
// the connection boxes, a connection lost, a connect asked for during a
// search, an empty search, and an unreachable LAN device led through the
// settings change.
#include <QPushButton>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

#include "analyzer/DeviceFilters.h"
#include "communication/ConnectionManager.h"
#include "communication/DeviceEngine.h"
#include "communication/TargetManager.h"
#include "resources/Resources.h"
#include "search/COMSearch.h"
#include "search/FreeIpChecker.h"
#include "search/IAddressProbe.h"
#include "search/INetworkSettingsDialog.h"
#include "search/IONetworkSettingsChanger.h"
#include "search/ModuleConnectionInfo.h"
#include "search/NDialogWhyUnreachable.h"
#include "search/NTabSearching.h"
#include "search/NetworkSettingsChangeDialog.h"
#include "search/Reachability.h"
#include "search/SearchEngine.h"
#include "search/SearchHolder.h"
#include "search/SearchParameters.h"
#include "search/SearchTabData.h"
#include "search/TabSearchingController.h"
#include "search/TabSearchingTrProvider.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/FakeDialogRunner.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FixedSerialPortLister.h"
#include "tests/support/GenericCommandCreator.h"
#include "tests/support/OnThread.h"
#include "tests/support/RecordingCommandHandler.h"
#include "tests/support/RunningThread.h"
#include "tests/support/ScopedTestSettings.h"
#include "tests/support/SimulatorPtyLink.h"
#include "ui/ConnectionStateChangeDispatcher.h"
#include "ui/ConnectionStateChangeMessageBoxHandler.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxesSearchSettings.h"
#include "ui/NVornAbstractItem.h"

using namespace Common;
using namespace Common::Communication;

namespace {

// Addresses are never probed: every one is free at once.
class SilentProbe : public IAddressProbe
{
public:
    void probe(quint32 address) override
    {
        QMetaObject::invokeMethod(
            this, [this, address] { emit probed(address, Free); }, Qt::QueuedConnection);
    }
    void cancel() override { }
};

// Records the change it is asked for; the test ends it.
class FakeChanger : public IONetworkSettingsChanger
{
public:
    bool changeSettings(const DevNetworkInterface& current, const DevNetworkInterface& desired,
                        INetworkSettingsDialog* dialog) override
    {
        this->current = current;
        this->desired = desired;
        this->dialog = dialog;
        dialog->addStep("Changing device's network settings");
        return true;
    }
    DevNetworkInterface current;
    DevNetworkInterface desired;
    INetworkSettingsDialog* dialog = nullptr;
};

struct PtyAnalyzer
{
    AnalyzerSimulator simulator;
    SimulatorPtyLink link{&simulator};

    explicit PtyAnalyzer(const QByteArray& model)
    {
        simulator.setIdentification({model, "SN 4711", "2024-03-01", "FW 2.1", "x", "y"});
    }
};

// A Tibbo in client mode outside the PC's subnet, whose remote IP is not the
// PC's either.
DeviceConnectionInfo unreachableModule()
{
    DevNetworkInterface settings;
    settings.setRoutingMode(2);
    settings.setTransportProtocol(1);
    settings.setUdpPort(65535);
    settings.setHostIp(QHostAddress("127.0.0.1"));
    settings.setHostNetmask(QHostAddress("255.0.0.0").toIPv4Address());
    settings.setDeviceIp(QHostAddress("10.0.0.9"));
    settings.setNetmask(QHostAddress("255.0.0.0"));
    settings.setRemoteIp(QHostAddress("127.0.0.5"));
    settings.setPort(1001);
    settings.setMac(0x0102030405);
    settings.setValid(true);
    DeviceConnectionInfo device;
    device.connectionInfo = makeConnectionInfo(settings);
    device.reasons = reachabilityReasons(settings);
    device.networkInterface = settings;
    return device;
}

} // namespace

class TestSearchPage : public QObject
{
    Q_OBJECT

    ScopedTestSettings* settings = nullptr;
    RunningThread* thread = nullptr;
    TargetManager targets;
    DeviceEngine* device = nullptr;
    ConnectionManager* manager = nullptr;
    SearchParameters parameters;
    KD::Communication::DeviceFilters* filters = nullptr;
    FixedSerialPortLister ports;
    SearchHolder* holder = nullptr;
    SearchTabData* data = nullptr;
    ConnectionStateChangeMessageBoxHandler* boxHandler = nullptr;
    ConnectionStateChangeDispatcher* dispatcher = nullptr;
    MessageBoxContext boxContext;
    MessageBoxesSearchSettings* searchBoxes = nullptr;
    FakeChanger* changer = nullptr;
    TabSearchingController* controller = nullptr;
    NTabSearching* page = nullptr;
    FakeMessageBoxPresenter* boxes = nullptr;
    FakeDialogRunner* runner = nullptr;
    PtyAnalyzer* analyzer = nullptr;

    QTableWidget* table() { return page->table(); }
    QPushButton* connectButton() { return page->findChild<QPushButton*>("connectButton"); }
    QString cell(int row, int column)
    {
        QTableWidgetItem* item = table()->item(row, column);
        return item ? item->text() : QString();
    }
    QStringList boxTexts()
    {
        QStringList texts;
        for (const MessageBoxRequest& box : boxes->shown())
            texts << box.text;
        return texts;
    }
    bool searching() { return controller->searchState() != TabSearchingController::Idle; }

    // Searches and waits for the end of the search.
    bool search()
    {
        controller->startSearch();
        return QTest::qWaitFor([this] { return !searching(); }, 15000);
    }
    bool connectRow(int row)
    {
        table()->selectRow(row);
        connectButton()->click();
        return QTest::qWaitFor([this] { return cell(0, 0) == "CON"; }, 10000);
    }

private slots:
    void initTestCase()
    {
        initSorvanaResources();
        registerConnectionRecordTypes();
        FreeIpChecker::setProbeFactory([] { return new SilentProbe; });
    }

    void init()
    {
        settings = new ScopedTestSettings;
        // One rate keeps the searches short.
        QSettings().setValue("SearchBaudrates/values", "9600;");
        parameters.loadSearchBaudrates();
        boxes = new FakeMessageBoxPresenter(QMessageBox::Yes);
        runner = new FakeDialogRunner;
        thread = new RunningThread;
        analyzer = new PtyAnalyzer("MA 50.R");
        QVERIFY(analyzer->link.open());
        ports = FixedSerialPortLister();
        ports.add(analyzer->link.slavePath(), "simulated analyzer");

        device = new DeviceEngine();
        device->setCommandCreator(new GenericCommandCreator(device));
        device->setCommandHandler(new RecordingCommandHandler(device));
        device->setReplyTimeout(200);
        device->moveToThread(thread);
        targets.setTarget(0, device);
        manager = new ConnectionManager(&targets, nullptr, nullptr, thread);

        filters = new KD::Communication::DeviceFilters(&parameters);
        holder = new SearchHolder(filters, nullptr, nullptr, nullptr);
        holder->serialSearch()->setPortLister(&ports);
        holder->serialSearch()->setProbeTimings({100, 50});
        data = new SearchTabData;
        boxHandler = new ConnectionStateChangeMessageBoxHandler;
        dispatcher = new ConnectionStateChangeDispatcher;
        dispatcher->setMessageBoxHandler(boxHandler);
        searchBoxes = new MessageBoxesSearchSettings(&boxContext);
        changer = new FakeChanger;
        controller =
            new TabSearchingController(searchBoxes, holder->searchEngine(), data, dispatcher,
                                       &boxContext, manager, filters, &parameters, changer);
        page = new NTabSearching(new TabSearchingTrProvider, controller);
        page->show();
    }

    void cleanup()
    {
        delete page;
        delete controller;
        onThread(manager, [this] {
            delete manager;
            delete device;
        });
        delete holder;
        delete changer;
        delete searchBoxes;
        delete dispatcher;
        delete boxHandler;
        delete data;
        delete filters;
        delete analyzer;
        delete thread;
        delete runner;
        delete boxes;
        delete settings;
    }

    void foundDeviceConnectsAndIsMarked()
    {
        QVERIFY(search());
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(cell(0, 2), QString("MA 50.R"));
        QCOMPARE(cell(0, 3), QString("SN 4711"));
        QVERIFY(connectButton()->property("greyed").toBool());
        QVERIFY(page->details().endsWith("Search finished"));

        QVERIFY(connectRow(0));
        QTRY_COMPARE(connectButton()->text(), QString("Disconnect"));
        QVERIFY(connectButton()->property("disco").toBool());
        QTRY_VERIFY(boxTexts().contains("Connected to:"));
        QVERIFY(boxes->last().informativeText.contains("Model: MA 50.R\nS/N: SN 4711\n"));

        connectButton()->click();
        QTRY_COMPARE(cell(0, 0), QString());
        QTRY_COMPARE(boxTexts().last(), QString("Disconnected from:"));
        QCOMPARE(connectButton()->text(), QString("Connect"));
        QVERIFY(runner->shown().isEmpty());
    }

    void languageSwitchKeepsTheConnectionLook()
    {
        QVERIFY(search());
        QVERIFY(connectRow(0));
        QTRY_COMPARE(connectButton()->text(), QString("Disconnect"));
        QTranslator polish;
        QVERIFY(polish.load(":/i18n/polish.qm"));
        QCoreApplication::installTranslator(&polish);
        QTRY_COMPARE(connectButton()->text(), QString("Rozłącz"));
        QCOMPARE(page->findChild<QPushButton*>("searchButton")->text(), QString("Wyszukaj"));
        QCOMPARE(table()->horizontalHeaderItem(0)->text(), QString("Stan"));
        QCOMPARE(page->title(), QString("Wyszukiwarka urządzeń"));
        QCoreApplication::removeTranslator(&polish);
        QTRY_COMPARE(connectButton()->text(), QString("Disconnect"));
    }

    void searchWhileConnectedAsksFirst()
    {
        QVERIFY(search());
        QVERIFY(connectRow(0));
        boxes->queueAnswer(QMessageBox::No);
        controller->startSearch();
        QVERIFY(boxTexts().last().startsWith("The program is already connected to a device."));
        QVERIFY(!searching());
        QCOMPARE(cell(0, 0), QString("CON"));
        QVERIFY(manager->statusFlags().first);

        boxes->queueAnswer(QMessageBox::Yes);
        QVERIFY(search());
        QVERIFY(!manager->statusFlags().first);
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(cell(0, 0), QString());
        QVERIFY(boxTexts().contains("Disconnected from:"));
    }

    void lostPortReportsCommunicationIssues()
    {
        QVERIFY(search());
        QVERIFY(connectRow(0));
        analyzer->link.close();
        QTRY_COMPARE_WITH_TIMEOUT(cell(0, 0), QString(), 10000);
        QTRY_VERIFY(boxTexts().contains("Communication issues.\nDisconnected from:")
                    || boxTexts().contains("No communication with device.\nDisconnected from:"));
        QTRY_COMPARE(connectButton()->text(), QString("Connect"));
    }

    void connectAskedForDuringASearchWaitsForItsEnd()
    {
        // A silent port keeps the search going after the analyzer was found.
        PtyAnalyzer silent("none");
        silent.simulator.setSilent(true);
        QVERIFY(silent.link.open());
        ports.add(silent.link.slavePath(), "silent");
        controller->startSearch();
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 1, 10000);
        QVERIFY(searching());
        controller->connectDevice(0);
        QVERIFY(page->details().contains("Connection requested, stopping search procedure..."));
        QVERIFY(!page->findChild<QPushButton*>("stopButton")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(cell(0, 0), QString("CON"), 15000);
        QVERIFY(!runner->shown().contains("NoDeviceDialog"));
    }

    void emptySearchShowsNoDevice_data()
    {
        QTest::addColumn<QString>("modes");
        QTest::newRow("serial") << "Serial;";
        QTest::newRow("network only, which the analyzer does not offer") << "Network;";
    }
    void emptySearchShowsNoDevice()
    {
        QFETCH(QString, modes);
        QSettings().setValue("SearchModes/modes", modes);
        data->searchModes.loadSearchModes();
        analyzer->simulator.setSilent(true);
        QVERIFY(search());
        QCOMPARE(table()->rowCount(), 0);
        QCOMPARE(runner->shown(), QStringList{"NoDeviceDialog"});
        controller->connectDevice(-1);
        controller->connectDevice(0);
        QCOMPARE(data->connectionState, int(TabSearchingController::NotConnected));
    }

    void refusedRequestGivesThePageBack()
    {
        // A connect that waits for a silent analyzer keeps the manager busy.
        analyzer->simulator.setSilent(true);
        ConnectionInfo port;
        port.setSerialPart({analyzer->link.slavePath(), 9600, QString()});
        QVERIFY(manager->requestConnect(port, 0));
        controller->startSearch();
        QVERIFY(!searching());
        QVERIFY(page->findChild<QPushButton*>("searchButton")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!manager->statusFlags().second, 10000);
    }

    void unreachableDeviceGoesThroughTheSettingsChange()
    {
        QVERIFY(search());
        const DeviceConnectionInfo module = unreachableModule();
        Common::SearchEngine* engine = holder->searchEngine();
        const QVariant found = QVariant::fromValue(module);
        QMetaObject::invokeMethod(
            engine, [engine, found] { engine->onDeviceFound(found); }, Qt::QueuedConnection);
        QTRY_COMPARE(table()->rowCount(), 2);
        QCOMPARE(cell(1, 2), QString("Not reachable!"));
        QCOMPARE(module.reasons, QVector<int>({4, 5}));
        QVERIFY(table()->item(1, 1)->toolTip().contains("wrong subnet"));

        bool applyWasDisabled = false;
        runner->queueStep([&](QDialog& dialog) {
            auto& why = static_cast<NDialogWhyUnreachable&>(dialog);
            auto* apply = why.findChild<QPushButton*>("pbApply");
            applyWasDisabled = why.rowIds() == QList<int>({10, 20}) && !apply->isEnabled();
            why.newValueItem(NDialogWhyUnreachable::IpAddressRow)->setValue("127.0.0.20");
            return apply->isEnabled() ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
        bool escapeIgnored = false;
        runner->queueStep([&](QDialog& dialog) {
            auto& progress = static_cast<NetworkSettingsChangeDialog&>(dialog);
            progress.reject();
            escapeIgnored = progress.isCloseBlocked() && progress.result() == 0;
            // The changer has found the module with its new settings.
            DevNetworkInterface settings = changer->desired;
            controller->updateNetworkInterface(module.connectionInfo, settings);
            progress.enableClose();
            emit changer->finished(true);
            return int(QDialog::Accepted);
        });
        controller->connectDevice(1);
        QCOMPARE(runner->shown(),
                 QStringList({"NDialogWhyUnreachable", "Common__NetworkSettingsChangeDialog"}));
        QVERIFY(applyWasDisabled);
        QVERIFY(escapeIgnored);
        QCOMPARE(changer->current.remoteIp(), QHostAddress("127.0.0.5"));
        QCOMPARE(changer->desired.remoteIp(), QHostAddress("127.0.0.1"));
        QCOMPARE(changer->desired.deviceIp(), QHostAddress("127.0.0.20"));
        QCOMPARE(data->foundDevices.at(1).reasons, QVector<int>());
        QCOMPARE(cell(1, 2), QString());
        QVERIFY(cell(1, 1).startsWith("LAN"));
    }
};

QTEST_MAIN(TestSearchPage)
#include "tst_searchpage.moc"
