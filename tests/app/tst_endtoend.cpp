// The whole program as main builds it, against the simulated analyzer on a
// pty that the search finds through the port lister: search, connect, the
// status bar, a drying run from the header's icons, the terminal, the
// drying-settings page and the language, as a user goes through them.
#include "app/AppCore.h"
#include "app/CommunicationContext.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/TdComposition.h"
#include "drying/HumidityData.h"
#include "resources/Resources.h"
#include "search/NTabSearching.h"
#include "settings/DryerDB.h"
#include "terminal/NTabTerminal.h"
#include "terminal/VornCommandWidget.h"
#include "ui/GuiIconAction.h"
#include "ui/PlotData.h"

#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/FakeDialogRunner.h"
#include "tests/support/FakeFileDialogPresenter.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FixedSerialPortLister.h"
#include "tests/support/ScopedProgramHome.h"
#include "tests/support/SimulatedDryer.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSerialPort>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

bool viewContains(QAbstractItemView* view, const QString& text)
{
    QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->index(row, column).data().toString().contains(text))
                return true;
        }
    }
    return false;
}

QAction* pageAction(AbstractGuiTab* page, const QString& text)
{
    const QList<QAction*> actions = page->menu()->actions();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QStringList statusTexts(MainWindow* window)
{
    QStringList texts;
    const QList<QLabel*> labels = window->statusBar()->findChildren<QLabel*>();
    for (QLabel* label : labels)
        texts << label->text();
    return texts;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initSorvanaResources(); }

    void init()
    {
        m_home.reset(new ScopedProgramHome);
        // One rate keeps the search short.
        QSettings().setValue("SearchBaudrates/values", "9600;");
        m_simulator.reset(new AnalyzerSimulator);
        m_simulator->setIdentification({"MA 50.R", "SN 4711", "2024-03-01", "FW 2.1", "x", "y"});
        m_device.reset(new SimulatedDryer(m_simulator.get()));
        m_device->setReadingPeriod(30);
        m_link.reset(new SimulatorPtyLink(m_simulator.get()));
        QVERIFY(m_link->open());
        m_ports = FixedSerialPortLister();
        m_ports.add(m_link->slavePath(), "simulated analyzer");
    }

    void cleanup()
    {
        m_link.reset();
        m_device.reset();
        m_simulator.reset();
        m_home.reset();
    }

    void searchConnectRunTerminalSettingsAndLanguage()
    {
        FakeMessageBoxPresenter boxes(QMessageBox::Yes);
        FakeDialogRunner dialogs;
        FakeFileDialogPresenter files;
        std::unique_ptr<Program> owner = std::make_unique<Program>();
        Program& program = *owner;
        QVERIFY(program.prepareDatabase());
        program.build();
        MainWindow* window = program.window();
        CommunicationContext* context = program.communication();
        context->searchHolder()->serialSearch()->setPortLister(&m_ports);
        context->searchHolder()->serialSearch()->setProbeTimings({100, 50});
        window->show();

        // Search and connect.
        auto* search = qobject_cast<NTabSearching*>(context->searchTab());
        QVERIFY(search);
        window->findChild<QPushButton*>("searchButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(search->table()->rowCount(), 1, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QPushButton*>("searchButton")->isEnabled(),
                                 15000);
        search->table()->selectRow(0);
        window->findChild<QPushButton*>("connectButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(statusTexts(window).contains("MA 50.R"), 10000);
        QVERIFY(statusTexts(window).contains("SN 4711"));
        QTRY_COMPARE(program.core()->controller()->state(), 1);

        // A run from the header's icons, ended by Stop, saved as CSV.
        KD::TdComposition* drying = program.core()->dryingComposition();
        window->changePage(1, true);
        // The page reads the analyzer's parameters when it is shown.
        QTRY_VERIFY(m_simulator->receivedLines().contains("Sd6"));
        QTRY_COMPARE(program.core()->controller()->state(), 1);
        window->startAction()->button()->click();
        QTRY_VERIFY_WITH_TIMEOUT(drying->runData()->model()->rowCount() >= 3, 5000);
        QVERIFY(drying->runData()->plotData()->size() >= 3);
        window->stopAction()->button()->click();
        QTRY_VERIFY_WITH_TIMEOUT(
            boxes.shown().size() > 0 && boxes.last().text == "Drying process ended!", 5000);
        QTRY_COMPARE(program.core()->controller()->state(), 1);
        const int rows = drying->runData()->model()->rowCount();
        const QString csv = m_home->data.filePath("run.csv");
        files.queueAnswer(csv);
        pageAction(window->currentTab(), "Save data to file")->trigger();
        QFile saved(csv);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = saved.readAll().split('\n');
        QVERIFY(lines.size() >= rows + 16);

        // The terminal: the identification command and the analyzer's reply.
        auto* terminal = qobject_cast<NTabTerminal*>(context->terminalTab());
        window->changePage(3, true);
        VornCommandWidget* sw9 = terminal->commandRows().at(11);
        QCOMPARE(sw9->text(), QString("SW9"));
        sw9->sendButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(viewContains(terminal->logTableView(), "SN 4711"), 5000);

        // The drying-settings page stores a set.
        window->changePage(2, true);
        window->findChild<QLineEdit*>("sheetName")->setText("End to end");
        window->findChild<QPushButton*>("saveToDBButton")->click();
        QVERIFY(DryerDB::settingNames().contains("End to end"));

        // The language, there and back; the connection stays as it was.
        const QString connected = statusTexts(window).first();
        window->findChild<QAction*>("actionPolish")->trigger();
        QTRY_COMPARE(window->startAction()->action()->text(), QString("Rozpocznij badanie"));
        QVERIFY(statusTexts(window).first() != connected);
        QVERIFY(statusTexts(window).contains("MA 50.R"));
        // The controller's state text follows without a new state.
        QTRY_VERIFY(statusTexts(window).contains("Gotowy"));
        window->findChild<QAction*>("actionEnglish")->trigger();
        QTRY_COMPARE(window->startAction()->action()->text(), QString("Start analysis"));
        QCOMPARE(statusTexts(window).first(), connected);
        QTRY_VERIFY(statusTexts(window).contains("Ready"));
        window->close();

        // Closed while connected: the port is let go, lock and all.
        owner.reset();
        QSerialPort port(m_link->slavePath());
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    }

private:
    QScopedPointer<ScopedProgramHome> m_home;
    std::unique_ptr<AnalyzerSimulator> m_simulator;
    std::unique_ptr<SimulatedDryer> m_device;
    std::unique_ptr<SimulatorPtyLink> m_link;
    FixedSerialPortLister m_ports;
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
