#include "analyzer/HLDryerController.h"
#include "analyzer/NDryer.h"
#include "communication/DeviceEngine.h"
#include "terminal/IOTerminalSignalHandler.h"
#include "terminal/LogModelHandler.h"
#include "terminal/LogTableRecord.h"
#include "terminal/Logger.h"
#include "terminal/NTabTerminal.h"
#include "terminal/TabTerminalTrProvider.h"
#include "terminal/TerminalCommandMenu.h"
#include "terminal/VornCommandWidget.h"
#include "terminal/VornContextMenu.h"
#include "ui/GuiIconAction.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxesTerminal.h"

#include "resources/Resources.h"
#include "tests/support/ConnectedRig.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/OnThread.h"

#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// The analyzer's side of the page, as the program shell builds it: sends
// through the drying controller and reports a refusal.
class ControllerTerminal : public Common::IOTerminalSignalHandler
{
public:
    explicit ControllerTerminal(KD::HLDryerController* controller) : m_controller(controller) { }
    void sendString(QString text) override
    {
        if (!m_controller->sendString(text))
            showSendFailed();
    }
    void checkConnection(bool check) override { m_controller->setCheckConnection(check); }

private:
    KD::HLDryerController* m_controller;
};

// The page wired to a connected simulator, the real logger in the engine.
struct TerminalOnRig
{
    Common::Communication::Logger logger;
    ConnectedRig rig{options(&logger)};
    MessageBoxContext context;
    Common::MessageBoxesTerminal messages{&context};
    Common::LogModelHandler handler;
    NTabTerminal page{new TabTerminalTrProvider, &messages, false,
                      TerminalCommandMenu::defaultCommands(), TerminalCommandMenu::createMenu()};
    ControllerTerminal backEnd{rig.controller()};

    static ConnectedRig::Options options(Common::Communication::ILogger* logger)
    {
        ConnectedRig::Options o;
        o.logger = logger;
        return o;
    }

    TerminalOnRig()
    {
        handler.setLogFetcher(&logger);
        page.setLogWidgetManager(&handler);
        backEnd.setMessageBoxContext(&context);
        QObject::connect(&page, &NTabTerminal::sendString, &backEnd,
                         &Common::IOTerminalSignalHandler::onSendString);
        QObject::connect(&page, &NTabTerminal::checkConnection, &backEnd,
                         &Common::IOTerminalSignalHandler::onCheckConnection);
    }

    bool connect()
    {
        if (!rig.connectAnalyzer())
            return false;
        handler.onFetchTimer();
        handler.clear(); // the connection's own echo and identification
        return true;
    }

    void send(int row) { page.commandRows().at(row)->sendButton()->click(); }

    // "<" received, ">" sent; drained now rather than on the timer.
    QStringList rows(Common::CustomTableLogModel* table)
    {
        handler.onFetchTimer();
        QStringList list;
        for (int i = 0; i < table->allRowCount(); ++i) {
            const auto* r = static_cast<Common::LogTableRecord*>(table->allRecord(i));
            list << (r->isIn() ? "<" : ">") + r->message();
        }
        return list;
    }
};

const QStringList identification = {">SW9\r\n",        "<WAG-50\r\n", "<SN 00123 X7\r\n",
                                    "<2024-04-12\r\n", "<v2.07\r\n",  "<--\r\n",
                                    "<--\r\n"};

} // namespace

class TestTerminalScenarios : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initSorvanaResources(); }

    // "SW9" from its row: the outgoing row, then the analyzer's replies.
    void sendingGivesTheOutgoingRowAndTheReplies()
    {
        TerminalOnRig t;
        QVERIFY(t.connect());
        t.send(11);
        QTRY_COMPARE(t.rows(t.handler.formattedTable()), identification);
    }

    // One byte per chunk: the formatted rows are still whole lines, the raw
    // view shows the pieces.
    void oneBytePerChunkStillGivesWholeLines()
    {
        TerminalOnRig t;
        QVERIFY(t.connect());
        t.rig.simulator()->setChunkSize(1);
        t.rig.simulator()->setChunkGap(5);
        t.send(11);
        QTRY_COMPARE(t.rows(t.handler.formattedTable()), identification);
        QVERIFY(t.handler.rawTable()->allRowCount() > identification.size());
    }

    // With the check on, the keep-alive echo shows on the wire and in the log.
    void autoCheckSendsTheKeepAliveEcho()
    {
        TerminalOnRig t;
        QVERIFY(t.connect());
        auto* engine = t.rig.dryer()->engine();
        onThread(engine, [engine] { engine->setEchoInterval(50); });
        t.rig.simulator()->clearReceived();
        t.page.autoCheckAction()->button()->click();
        QTRY_VERIFY(t.rig.simulator()->receivedLines().contains("SJ"));
        QTRY_VERIFY(t.rows(t.handler.rawTable()).contains(">SJ\r\n"));
        t.page.autoCheckAction()->button()->click();
    }

    void sendingWithoutAnAnalyzerIsRefused()
    {
        TerminalOnRig t;
        FakeMessageBoxPresenter boxes;
        t.send(0);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.last().text, QString("Could not send terminal command!"));
        QVERIFY(t.rows(t.handler.rawTable()).isEmpty());
    }
};

QTEST_MAIN(TestTerminalScenarios)
#include "tst_terminalscenarios.moc"
