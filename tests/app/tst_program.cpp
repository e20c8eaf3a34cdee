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
#include "terminal/AbstractFilterWidget.h"
#include "terminal/FilterWidgetNew.h"
#include "terminal/NTabTerminal.h"
#include "ui/AbstractGuiTab.h"
#include "ui/ColumnSizer.h"
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
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeEdit>
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

// Columns of the view whose header text or row-0 cell is wider than the
// section shows, measured as the header and the cells lay out their text,
// and with inView, columns not wholly in the view.
QString allColumnsFit(const QTableView* view, bool inView = false)
{
    const QHeaderView* header = view->horizontalHeader();
    const QAbstractItemModel* model = view->model();
    const auto* delegate = qobject_cast<const QStyledItemDelegate*>(view->itemDelegate());
    const int headerMargin = view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int cellMargin =
        view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    QStringList faults;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const int section = header->sectionSize(column);
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        const QString cell = delegate->displayText(model->index(0, column).data(), view->locale());
        const int titleWidth = header->fontMetrics().horizontalAdvance(title) + 2 * headerMargin;
        const int cellWidth = view->fontMetrics().horizontalAdvance(cell) + 2 * cellMargin
                              + (view->showGrid() ? 1 : 0);
        const int left = header->sectionViewportPosition(column);
        if (inView && (left < 0 || left + section > view->viewport()->width()))
            faults << QString("\"%1\" out of view").arg(title);
        if (titleWidth > section || cellWidth > section)
            faults << QString("\"%1\"/\"%2\" need %3/%4 of %5")
                          .arg(title, cell)
                          .arg(titleWidth)
                          .arg(cellWidth)
                          .arg(section);
    }
    return faults.join("; ");
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

    // At its first size, with a reading, a stored set and a logged exchange,
    // every column of the three tables shows its header and its cell whole,
    // and the terminal's message is in view; the filter bar beside the log
    // does not grow the window.
    // The offscreen platform has no desktop theme and falls back to QFont's
    // 12 points; the window is laid out for the 9 points a desktop gives.
    void tablesReadWholeAtTheFirstSizeInEitherLanguage()
    {
        const QFont fallbackFont = QApplication::font();
        const auto restoreFont = qScopeGuard([&] { QApplication::setFont(fallbackFont); });
        QFont font = fallbackFont;
        font.setPointSize(9);
        QApplication::setFont(font);
        Program program;
        QVERIFY(program.prepareDatabase());
        program.build();
        MainWindow* window = program.window();
        window->show();
        auto* pages = window->findChild<QStackedWidget*>("subPages");
        KD::Drying::HumidityData* run = program.core()->dryingComposition()->runData();
        for (const double mass : {12.5, 6.25, 0.0})
            run->appendMass(1000, mass);
        const QDateTime when(QDate(2026, 12, 28), QTime(23, 59, 59));
        program.communication()->logger()->sent("pts/0 (,9600)", when, "SW9\r\n");
        program.communication()->logger()->received("pts/0 (,9600)", when, "MW9\r\n");

        auto* terminal = qobject_cast<NTabTerminal*>(program.communication()->terminalTab());
        const auto checkTable = [&](int page, const char* name, bool inView) {
            window->changePage(page, true);
            auto* view = pages->widget(page)->findChild<QTableView*>(name);
            QTRY_VERIFY(view->model()->rowCount() > 0);
            QCoreApplication::processEvents();
            QVERIFY(window->size() == QSize(878, 646));
            const QString faults = allColumnsFit(view, inView);
            QVERIFY2(faults.isEmpty(), qPrintable(QString("%1: %2").arg(name, faults)));
        };
        const auto checkPages = [&] {
            const QStringList formulas = {"methodM0MnMn", "methodMnM0", "methodM0MnM0"};
            for (const QString& formula : formulas) {
                window->changePage(1, true);
                pages->widget(1)->findChild<QRadioButton*>(formula)->click();
                checkTable(1, "resultsTableView", true);
            }
            checkTable(2, "tableView", false);
            checkTable(3, "logTableView", false);
            QTableView* log = terminal->logTableView();
            const int message = log->horizontalHeader()->sectionViewportPosition(4);
            QVERIFY(message >= 0 && message + log->columnWidth(4) <= log->viewport()->width());
            // Beside the filter bar the message still starts in view, its
            // header whole; the command lines get their room back after.
            const QList<int> sizes = terminal->findChild<QSplitter*>("splitter")->sizes();
            Common::Filters::FilterWidgetNew* bar = terminal->filterWidget();
            bar->filtersDialog()->openWithChecked({0, 3, 4});
            bar->filtersDialog()->confirmClicked();
            QTRY_VERIFY(bar->isVisible());
            // The whole day, so a line stays and the rows are numbered.
            const QList<QTimeEdit*> times = bar->row(3)->findChildren<QTimeEdit*>();
            times.first()->setTime(QTime(0, 0));
            times.last()->setTime(QTime(23, 59, 59));
            QTRY_COMPARE(log->model()->rowCount(), 1);
            QCoreApplication::processEvents();
            QCOMPARE(window->size(), QSize(878, 646));
            const int title = Common::ColumnSizer::headerTextWidth(
                log->horizontalHeader(), log->model()->headerData(4, Qt::Horizontal).toString());
            const int start = log->horizontalHeader()->sectionViewportPosition(4);
            QVERIFY2(start >= 0 && start + title <= log->viewport()->width()
                         && log->columnWidth(4) >= title,
                     qPrintable(QString("message at %1 of %2, %3 wide, title %4")
                                    .arg(start)
                                    .arg(log->viewport()->width())
                                    .arg(log->columnWidth(4))
                                    .arg(title)));
            bar->filtersDialog()->openWithChecked({});
            bar->filtersDialog()->confirmClicked();
            QTRY_VERIFY(!bar->isVisible());
            QCOMPARE(terminal->findChild<QSplitter*>("splitter")->sizes(), sizes);
        };
        // The set is stored on the page shown, as a user stores one.
        window->changePage(2, true);
        pages->widget(2)->findChild<QLineEdit*>("sheetName")->setText("Journey set 117");
        pages->widget(2)->findChild<QPushButton*>("saveToDBButton")->click();
        checkTable(2, "tableView", false);
        checkPages();
        if (!QTest::currentTestFailed()) {
            window->findChild<QAction*>("actionPolish")->trigger();
            QTRY_VERIFY(menuBarTexts(window).contains("Widok"));
            checkPages();
        }
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
    // the ports' threads (one left running would end the process), and the
    // shut-down leaves no database connection in use.
    void closingDuringASearchShutsDownCleanly()
    {
        PtyPair silent[3];
        FixedSerialPortLister ports;
        for (PtyPair& pty : silent) {
            QVERIFY(pty.open());
            ports.add(pty.slavePath());
        }
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
            testLog = qInstallMessageHandler(recordWarning);
        }
        // Qt Test's own handler back, for the messages later tests expect.
        qInstallMessageHandler(testLog);
        QVERIFY2(shutDownWarnings.filter("still in use").isEmpty(),
                 qPrintable(shutDownWarnings.join('\n')));
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
