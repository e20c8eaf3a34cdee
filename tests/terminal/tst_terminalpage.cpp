#include "terminal/IOTerminalSignalHandler.h"
#include "terminal/LogModelHandler.h"
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
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/ScopedTestSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// Picks the action with the given label instead of running the menu.
class PickingMenu : public VornContextMenu
{
public:
    using VornContextMenu::VornContextMenu;
    QString pick;

protected:
    void runAt(const QPoint&) override
    {
        for (QAction* action : actions())
            if (action->text() == pick)
                action->trigger();
    }
};

struct SendFailing : Common::IOTerminalSignalHandler
{
    void sendString(QString text) override
    {
        sent << text;
        showSendFailed();
    }
    void checkConnection(bool check) override { checks << check; }
    QStringList sent;
    QList<bool> checks;
};

} // namespace

class TestTerminalPage : public QObject
{
    Q_OBJECT

    MessageBoxContext m_context;
    Common::MessageBoxesTerminal m_messages{&m_context};
    PickingMenu* m_menu = nullptr;

    std::unique_ptr<NTabTerminal> makePage(bool autoCheck = false)
    {
        const QStringList defaults = TerminalCommandMenu::defaultCommands();
        std::unique_ptr<VornContextMenu> labels(TerminalCommandMenu::createMenu());
        QStringList texts;
        for (QAction* action : labels->actions())
            texts << action->text();
        m_menu = new PickingMenu("menu", nullptr, texts,
                                 {"ST", "SI", "SZ", "Sx1", "Sx2", "Sx3", "SL09", "SH99", "SM0.9",
                                  "SN09EXAMPLE", "SJ", "SW9"});
        return std::make_unique<NTabTerminal>(new TabTerminalTrProvider, &m_messages, autoCheck,
                                              defaults, m_menu);
    }

    static QStringList rowTexts(const NTabTerminal& page)
    {
        QStringList texts;
        for (VornCommandWidget* row : page.commandRows())
            texts << row->text();
        return texts;
    }

private slots:
    void initTestCase() { initSorvanaResources(); }

    // First start shows the defaults without a question; the rows' texts
    // survive destroying and re-creating the page; a reset asks first.
    void commandRowsPersistAndReset()
    {
        ScopedTestSettings settings;
        FakeMessageBoxPresenter boxes(QMessageBox::No);
        QStringList edited;
        {
            auto page = makePage();
            QCOMPARE(rowTexts(*page), TerminalCommandMenu::defaultCommands());
            QVERIFY(boxes.shown().isEmpty());
            for (VornCommandWidget* row : page->commandRows())
                QVERIFY(row->crlfBox()->isChecked());
            page->commandRows().at(3)->setText("SU5");
            page->commandRows().at(11)->setText(QString());
            edited = rowTexts(*page);
        }
        auto page = makePage();
        QCOMPARE(rowTexts(*page), edited);
        page->commandRows().at(6)->crlfBox()->setChecked(false);

        page->reverseCommandsAction()->button()->click(); // answered No
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(rowTexts(*page), edited);
        boxes.queueAnswer(QMessageBox::Yes);
        page->reverseCommandsAction()->button()->click();
        QCOMPARE(page->commandRows().at(6)->text(), QString("SL9"));
        QVERIFY(page->commandRows().at(6)->crlfBox()->isChecked());
        QCOMPARE(rowTexts(*page), TerminalCommandMenu::defaultCommands());
    }

    // Typed \r and \n become CR and LF, CR LF is added when ticked; the menu
    // puts its own value into the line and sends nothing.
    void sendingAndTheMenu()
    {
        ScopedTestSettings settings;
        auto page = makePage();
        QSignalSpy sent(page.get(), &NTabTerminal::sendString);
        VornCommandWidget* row = page->commandRows().at(6);
        row->setText("SN\\n\\t\\r");
        row->sendButton()->click();
        row->crlfBox()->setChecked(false);
        row->setText(QString());
        row->sendButton()->click();
        QCOMPARE(sent.count(), 2);
        QCOMPARE(sent.at(0).at(0).toString(), QString("SN\n\\t\r\r\n"));
        QCOMPARE(sent.at(1).at(0).toString(), QString());

        m_menu->pick = "Minimum threshhold (SL.)";
        row->showContextMenu(QPoint(1, 1));
        QCOMPARE(row->text(), QString("SL09"));
        m_menu->pick.clear();
        row->showContextMenu(QPoint(1, 1));
        QCOMPARE(row->text(), QString("SL09"));
        QCOMPARE(sent.count(), 2);
        QCOMPARE(m_menu->parent(), page.get());

        VornContextMenu mismatched("m", nullptr, {"a", "SEPARATOR", "b"}, {"1"});
        QVERIFY(mismatched.actions().isEmpty());
        VornContextMenu separated("m", nullptr, {"a", "SEPARATOR", "b"}, {"1", "2"});
        QCOMPARE(separated.actions().size(), 3);
        QVERIFY(separated.actions().at(1)->isSeparator());
    }

    // With the table focused, Ctrl+C copies the selected shown cells.
    void copyWithTheTableFocused()
    {
        ScopedTestSettings settings;
        Common::Communication::Logger logger;
        Common::LogModelHandler handler;
        handler.setLogFetcher(&logger);
        auto page = makePage();
        page->setLogWidgetManager(&handler);
        const QDateTime when(QDate(2026, 12, 7), QTime(9, 5, 3, 7));
        logger.sent("COM1", when, "SW9\r\n");
        logger.received("COM1", when, "MJ\r\n");
        handler.onFetchTimer();
        page->show();
        QTableView* view = page->logTableView();
        view->setColumnHidden(2, true);
        view->selectAll();
        view->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        const QString expected = "OUT\tCOM1\t09:05:03.007\tSW9<CR><LF>\t\r\n"
                                 "IN\tCOM1\t09:05:03.007\tMJ<CR><LF>\t";
        QCOMPARE(QApplication::clipboard()->text(), expected);
        QApplication::clipboard()->clear();
        QTest::keyClick(page.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), expected);
    }

    // Clear asks first; the format action switches the table; the check
    // action reaches the signal handler.
    void toolActions()
    {
        ScopedTestSettings settings;
        FakeMessageBoxPresenter boxes(QMessageBox::No);
        Common::Communication::Logger logger;
        Common::LogModelHandler handler;
        handler.setLogFetcher(&logger);
        auto page = makePage(true);
        QVERIFY(page->autoCheckAction()->button()->isChecked());
        page->setLogWidgetManager(&handler);
        SendFailing backEnd;
        QObject::connect(page.get(), &NTabTerminal::checkConnection, &backEnd,
                         &Common::IOTerminalSignalHandler::onCheckConnection);
        QObject::connect(page.get(), &NTabTerminal::sendString, &backEnd,
                         &Common::IOTerminalSignalHandler::onSendString);
        logger.received("COM1", QDateTime::currentDateTime(), "x");
        handler.onFetchTimer();

        page->clearLogsAction()->button()->click();
        QCOMPARE(handler.rawTable()->allRowCount(), 1);
        boxes.queueAnswer(QMessageBox::Yes);
        page->clearLogsAction()->button()->click();
        QCOMPARE(handler.rawTable()->allRowCount(), 0);

        page->formatAction()->button()->click();
        QCOMPARE(page->logTableView()->model(), handler.rawTable());
        page->autoCheckAction()->button()->click();
        QCOMPARE(backEnd.checks, QList<bool>{false});

        // Without a context the failure is silent; with one it is shown.
        page->commandRows().at(0)->sendButton()->click();
        QCOMPARE(boxes.shown().size(), 2);
        backEnd.setMessageBoxContext(&m_context);
        page->commandRows().at(0)->sendButton()->click();
        QCOMPARE(boxes.last().text, QString("Could not send terminal command!"));
        QCOMPARE(backEnd.sent, QStringList({"ST\r\n", "ST\r\n"}));
    }
};

QTEST_MAIN(TestTerminalPage)
#include "tst_terminalpage.moc"
