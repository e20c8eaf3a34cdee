// The program as main builds it: start-up steps, the main window with its
// pages, icons and menus, the language switch, the kept geometry, and the
// start that ends on a database that cannot be prepared.
#include "app/AppCore.h"
#include "app/CommunicationContext.h"
#include "app/MainWindow.h"
#include "app/MainWindowTrProvider.h"
#include "app/Program.h"
#include "resources/Resources.h"
#include "search/SearchEngine.h"
#include "settings/DryerDB.h"
#include "terminal/NTabTerminal.h"
#include "ui/AbstractGuiTab.h"
#include "ui/GuiIconAction.h"
#include "ui/LanguageSwitch.h"

#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FakeTranslationProvider.h"
#include "tests/support/FixedSerialPortLister.h"
#include "tests/support/PtyPair.h"
#include "tests/support/QueuedSignalSpy.h"
#include "tests/support/ScopedProgramHome.h"

#include <QAction>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSemaphore>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList shutDownWarnings;

void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        shutDownWarnings << message;
}

class TestPage : public AbstractGuiTab
{
public:
    TestPage(const ITranslationProvider* provider, int title)
        : AbstractGuiTab(TranslationHandle(provider, title))
    {
        createSelectorButton(":/heartbeat.svg");
        addIconAction(":/filter.svg", TranslationHandle(provider, title));
    }
};

QStringList menuBarTexts(QMainWindow* window)
{
    QStringList texts;
    const QList<QAction*> actions = window->menuBar()->actions();
    for (QAction* action : actions) {
        if (action->isVisible())
            texts << action->text();
    }
    return texts;
}

// Texts of the header row from its start, as the user reads them.
QWidget* headerWidget(QMainWindow* window, int position)
{
    auto* header = window->findChild<QLayout*>("headerLayout");
    QLayoutItem* item = header ? header->itemAt(position) : nullptr;
    return item ? item->widget() : nullptr;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initSorvanaResources(); }

    void init() { m_home.reset(new ScopedProgramHome); }

    void cleanup() { m_home.reset(); }

    void startStampsVersionAndBuildsFormsInTheStoredLanguage()
    {
        QSettings().setValue("Version", "1.0");
        QSettings().setValue("Translation", "polish");
        Program program;
        QCOMPARE(QSettings().value("Version").toString(), QString("24.04.12"));
        QCOMPARE(program.language(), QString("polish"));
        QVERIFY(program.prepareDatabase());
        QVERIFY(QFile::exists(m_home->data.filePath("Brenko/Brenko Sorvana/mainDB.db")));
        program.build();
        QVERIFY(menuBarTexts(program.window()).contains("Widok"));
        reloadEnglish();
    }

    void firstStartShowsTheWindowAsSpecified()
    {
        Program program;
        QVERIFY(program.prepareDatabase());
        program.build();
        MainWindow* window = program.window();
        QCOMPARE(window->size(), QSize(878, 646));
        QCOMPARE(window->windowTitle(), QString("Brenko Sorvana"));
        QCOMPARE(window->currentTab(), program.communication()->searchTab());
        QVERIFY(window->currentTab()->selectorButton()->isChecked());
        QCOMPARE(window->findChild<QLabel*>("tabTitle")->text(), window->currentTab()->title());
        // Start and Stop stand first in the header, before the page title.
        QCOMPARE(headerWidget(window, 0), window->startAction()->button()->parentWidget());
        QCOMPARE(headerWidget(window, 1), window->stopAction()->button()->parentWidget());
        QCOMPARE(window->startAction()->action()->text(), QString("Start analysis"));
        const QStringList menus = menuBarTexts(window);
        QCOMPARE(menus.first(), QString("Global"));
        QCOMPARE(menus.mid(menus.size() - 4),
                 QStringList({"View", "Language", "About", "Firmware"}));
        QCOMPARE(window->statusBar()->findChildren<QLabel*>().size(), 5);
    }

    // Shown at its first size, the window keeps that size on every page in
    // either language: no page asks for more room than the window gives it,
    // and the drying page's parameter column, which scrolls only vertically,
    // is as wide as its contents in the language switched to.
    void firstSizeHoldsEveryPageInEitherLanguage()
    {
        Program program;
        QVERIFY(program.prepareDatabase());
        program.build();
        MainWindow* window = program.window();
        window->show();
        auto* pages = window->findChild<QStackedWidget*>("subPages");
        const auto checkPages = [&] {
            for (int page = 0; page < pages->count(); ++page) {
                window->changePage(page, true);
                QCoreApplication::processEvents();
                AbstractGuiTab* shown = window->currentTab();
                const QSize needed = shown->minimumSizeHint();
                const QString where = QString("%1 needs %2x%3")
                                          .arg(shown->title())
                                          .arg(needed.width())
                                          .arg(needed.height());
                QVERIFY2(window->size() == QSize(878, 646), qPrintable(where));
                QVERIFY2(needed.width() <= pages->width() && needed.height() <= pages->height(),
                         qPrintable(where));
            }
            auto* column = pages->widget(1)->findChild<QScrollArea*>("scrollArea");
            QVERIFY(column->viewport()->width() >= column->widget()->minimumSizeHint().width());
        };
        checkPages();
        if (QTest::currentTestFailed())
            return;
        window->findChild<QAction*>("actionPolish")->trigger();
        QTRY_VERIFY(menuBarTexts(window).contains("Widok"));
        checkPages();
        reloadEnglish();
    }

    // Two windows in one process each put their own Start and Stop first, and
    // each shows its pages in order with one page menu before "View".
    void everyWindowArrangesItsOwnPagesAndIcons()
    {
        Program program;
        QVERIFY(program.prepareDatabase());
        program.build();
        FakeTranslationProvider texts;
        const QStringList titles{"Search", "Drying", "Settings", "Terminal"};
        for (int i = 0; i < titles.size(); ++i)
            texts.setText(i, titles[i]);

        for (int copy = 0; copy < 2; ++copy) {
            QVector<AbstractGuiTab*> pages;
            for (int i = 0; i < titles.size(); ++i)
                pages << new TestPage(&texts, i);
            MainWindow window(new MainWindowTrProvider, program.core()->mainWindowController(),
                              pages, program.communication());
            QCOMPARE(headerWidget(&window, 0), window.startAction()->button()->parentWidget());
            QCOMPARE(headerWidget(&window, 1), window.stopAction()->button()->parentWidget());

            auto* title = window.findChild<QLabel*>("tabTitle");
            QCOMPARE(title->text(), QString("Search"));
            QVERIFY(pages[0]->selectorButton()->isChecked());
            QCOMPARE(menuBarTexts(&window).mid(1, 2), QStringList({"Current", "View"}));

            pages[2]->selectorButton()->click();
            QCOMPARE(title->text(), QString("Settings"));
            QVERIFY(!pages[0]->selectorButton()->isChecked());
            QVERIFY(pages[2]->toolBarWidget()->isVisibleTo(&window));
            QVERIFY(!pages[0]->toolBarWidget()->isVisibleTo(&window));
            // Clicking the current selector again changes nothing.
            pages[2]->selectorButton()->click();
            QVERIFY(pages[2]->selectorButton()->isChecked());
            QCOMPARE(title->text(), QString("Settings"));

            pages[3]->menuAction()->trigger();
            QCOMPARE(window.currentTab(), pages[3]);
            QCOMPARE(window.findChild<QStackedWidget*>("subPages")->currentWidget(), pages[3]);
            QCOMPARE(menuBarTexts(&window).mid(1, 2), QStringList({"Current", "View"}));
            QVERIFY(window.menuBar()->actions().contains(pages[3]->menu()->menuAction()));
            QVERIFY(!pages[2]->menu()->menuAction()->isVisible());
        }
    }

    void terminalStartsWithoutAutoCheckAndWarnsWithNoAnalyzer()
    {
        Program program;
        QVERIFY(program.prepareDatabase());
        program.build();
        auto* terminal = qobject_cast<NTabTerminal*>(program.communication()->terminalTab());
        QVERIFY(terminal);
        QCOMPARE(program.core()->tabs().last(), terminal);
        QVERIFY(!terminal->autoCheckAction()->button()->isChecked());
        FakeMessageBoxPresenter boxes(QMessageBox::Ok);
        emit terminal->sendString("SW9");
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.last().text, QString("Could not send terminal command!"));
        QCOMPARE(boxes.last().title, QString("Brenko Sorvana"));
        QCOMPARE(boxes.last().parent, program.window());
    }

    void languageSwitchRetranslatesAtOnceAndPersists()
    {
        Program program;
        QVERIFY(program.prepareDatabase());
        program.build();
        MainWindow* window = program.window();
        auto* polish = window->findChild<QAction*>("actionPolish");
        auto* english = window->findChild<QAction*>("actionEnglish");
        polish->trigger();
        QTRY_VERIFY(menuBarTexts(window).contains("Widok"));
        QCOMPARE(window->startAction()->action()->text(), QString("Rozpocznij badanie"));
        QCOMPARE(QSettings().value("Translation").toString(), QString("polish"));
        QVERIFY(polish->font().bold());
        QVERIFY(!english->font().bold());
        // Its name reads the same in both languages and is never retranslated.
        QCOMPARE(window->firmwareAction()->text(), QString("Firmware"));

        english->trigger();
        QTRY_VERIFY(menuBarTexts(window).contains("View"));
        QVERIFY(english->font().bold());
        QCOMPARE(QSettings().value("Translation").toString(), QString("english"));
    }

    void closedWindowOpensWithItsGeometryNextTime()
    {
        {
            Program program;
            QVERIFY(program.prepareDatabase());
            program.build();
            program.window()->resize(1200, 760);
            // The drying-settings page shown holds a query on the database.
            program.window()->show();
            program.window()->changePage(2, true);
            QCoreApplication::processEvents();
            QVERIFY(program.window()->close());
        }
        Program program;
        QVERIFY(program.prepareDatabase());
        program.build();
        QCOMPARE(program.window()->size(), QSize(1200, 760));
    }

    void databaseThatCannotBePreparedEndsTheStartWithAWarning()
    {
        // The data folder cannot be made: a file stands in its way.
        QFile blocker(m_home->data.filePath("Brenko"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        FakeMessageBoxPresenter boxes(QMessageBox::Ok);
        Program program;
        QVERIFY(!program.prepareDatabase());
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.last().title, QString("Brenko Sorvana"));
        QCOMPARE(boxes.last().text, QString("Could not prepare database!"));
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(QSettings().value("Version").toString(), QString("24.04.12"));
        QVERIFY(QSettings().contains("Translation"));
        QCOMPARE(Program::DatabaseFailure, 1);
    }

    // A damaged file would open and then fail every list, load and save.
    void damagedDatabaseIsRefusedAndLeftUntouched()
    {
        {
            Program program;
            QVERIFY(program.prepareDatabase());
            QVERIFY(DryerDB::saveSetting("kept", DryingSettings()));
        }
        const QString path = m_home->data.filePath("Brenko/Brenko Sorvana/mainDB.db");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() >= 4096 * 2);
        // Every page after the header page is overwritten with noise.
        for (int i = 4096; i < bytes.size(); ++i)
            bytes[i] = char(i * 7);
        file.seek(0);
        file.write(bytes);
        file.close();

        FakeMessageBoxPresenter boxes(QMessageBox::Ok);
        Program program;
        QVERIFY(!program.prepareDatabase());
        QCOMPARE(boxes.last().text, QString("Could not prepare database!"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    // Closing the window while the serial search waits on silent ports ends
    // promptly, and the shut-down leaves no database connection in use.
    void closingDuringASearchShutsDownCleanly()
    {
        PtyPair silent[3];
        FixedSerialPortLister ports;
        for (PtyPair& pty : silent) {
            QVERIFY(pty.open());
            ports.add(pty.slavePath());
        }
        QElapsedTimer shutDown;
        QtMessageHandler testLog = nullptr;
        {
            Program program;
            QVERIFY(program.prepareDatabase());
            program.build();
            program.communication()->searchHolder()->serialSearch()->setPortLister(&ports);
            Common::SearchEngine* engine = program.communication()->searchHolder()->searchEngine();
            // The engine lives on the search thread: its signals are recorded here.
            QueuedSignalSpy progress(engine, &Common::SearchEngine::progressChanged);
            QMetaObject::invokeMethod(engine, [engine] { engine->search(true, false); });
            QVERIFY(progress.wait(5000));
            // The drying-settings page shown holds a query on the database.
            program.window()->show();
            program.window()->changePage(2, true);
            QCoreApplication::processEvents();
            QVERIFY(program.window()->close());
            shutDown.start();
            testLog = qInstallMessageHandler(recordWarning);
        }
        // Qt Test's own handler back, for the messages later tests expect.
        qInstallMessageHandler(testLog);
        QVERIFY2(shutDown.elapsed() < 5000, qPrintable(QString::number(shutDown.elapsed())));
        QVERIFY2(shutDownWarnings.filter("still in use").isEmpty(),
                 qPrintable(shutDownWarnings.join('\n')));
    }

    // A communication thread stuck in a call does not hold the shut-down
    // for ever: the wait ends, and a warning says what was left running.
    void stuckCommunicationThreadIsLeftWithAWarning()
    {
        QObject blocker;
        QSemaphore entered, release;
        Program program;
        QVERIFY(program.prepareDatabase());
        program.build();
        QThread* worker = program.communication()->workerThread();
        blocker.moveToThread(worker);
        QMetaObject::invokeMethod(&blocker, [&] {
            entered.release();
            release.acquire();
        });
        // Released on every way out, so the thread ends before it is destroyed.
        const auto unblock = qScopeGuard([&] {
            release.release();
            QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 5000);
        });
        QVERIFY(entered.tryAcquire(1, 5000));
        QTest::ignoreMessage(QtWarningMsg, "The communication thread did not end in time at "
                                           "shut-down and is left running");
        QElapsedTimer waited;
        waited.start();
        program.communication()->stopWorker();
        QVERIFY2(waited.elapsed() < CommunicationContext::threadStopTimeoutMs + 2000,
                 qPrintable(QString::number(waited.elapsed())));
        QVERIFY(worker->isRunning());
    }

private:
    void reloadEnglish()
    {
        QSettings().setValue("Translation", "english");
        reloadTranslation();
    }

    QScopedPointer<ScopedProgramHome> m_home;
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
