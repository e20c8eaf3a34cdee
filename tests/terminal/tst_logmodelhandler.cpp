#include "terminal/FilterWidgetNew.h"
#include "terminal/LogModelHandler.h"
#include "terminal/LogTableRecord.h"
#include "terminal/Logger.h"
#include "terminal/StringFilter.h"
#include "terminal/StringFilterWidget.h"
#include "ui/IMessageBoxesFileOperation.h"
#include "ui/LanguageSwitch.h"

#include "resources/Resources.h"

#include "tests/support/FakeFileDialogPresenter.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScopedTestSettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace Common;

namespace {

const QDateTime when(QDate(2026, 12, 7), QTime(9, 5, 3, 7));

struct FileErrors : IMessageBoxesFileOperation
{
    void showFileOpenError() override { ++shown; }
    int shown = 0;
};

QStringList messages(CustomTableLogModel& table)
{
    QStringList list;
    for (int i = 0; i < table.allRowCount(); ++i)
        list << static_cast<LogTableRecord*>(table.allRecord(i))->message();
    return list;
}

} // namespace

class TestLogModelHandler : public QObject
{
    Q_OBJECT

    Communication::Logger m_logger;

    void in(const QString& text, const QString& interface = "COM1")
    {
        m_logger.received(interface, when, text);
    }
    void out(const QString& text) { m_logger.sent("COM1", when, text); }

private slots:
    void initTestCase() { initSorvanaResources(); }

    // The formatted table joins pieces of one direction and interface into
    // lines; the raw table keeps them as they came.
    void piecesAreJoinedIntoLines_data()
    {
        QTest::addColumn<QStringList>("pieces"); // "<" received, ">" sent, "@" other interface
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("line split over pieces") << QStringList{"<12", "<.5 g\r\n13", "<.0 g\r\n"}
                                                << QStringList{"12.5 g\r\n", "13.0 g\r\n"};
        QTest::newRow("sent line breaks the join")
            << QStringList{"<12", ">SJ\r\n", "<.5\r\n"} << QStringList{"12", "SJ\r\n", ".5\r\n"};
        QTest::newRow("other interface starts its own row")
            << QStringList{"<12", "@.5\r\n", "<.7\r\n"} << QStringList{"12", ".5\r\n", ".7\r\n"};
        QTest::newRow("CR LF alone completes")
            << QStringList{"<MJ", "<\r\n"} << QStringList{"MJ\r\n"};
        QTest::newRow("two lines, empty lines, empty piece")
            << QStringList{"<a\r\nb\r\n", "<\r\n\r\n", "<"}
            << QStringList{"a\r\n", "b\r\n", "\r\n", "\r\n", ""};
        const QString x(3000, 'x');
        QTest::newRow("endless line is cut into rows")
            << QStringList{"<" + x, "<" + x, "<" + x} << QStringList{x + x, x};
        QTest::newRow("lone CR and LF stay")
            << QStringList{"<a\rb\n", "<c\r\n"} << QStringList{"a\rb\nc\r\n"};
    }
    void piecesAreJoinedIntoLines()
    {
        QFETCH(QStringList, pieces);
        QFETCH(QStringList, lines);
        LogModelHandler handler;
        handler.setLogFetcher(&m_logger);
        for (const QString& piece : pieces) {
            const QString text = piece.mid(1);
            if (piece.startsWith('<'))
                in(text);
            else if (piece.startsWith('@'))
                in(text, "LAN (10.0.0.2,5001)");
            else
                out(text);
        }
        handler.onFetchTimer();
        QCOMPARE(messages(*handler.formattedTable()), lines);
        QCOMPARE(handler.rawTable()->allRowCount(), pieces.size());
    }

    // A pending line hidden by a filter is still continued, and shows once
    // the completed line passes.
    void hiddenPendingLineIsContinued()
    {
        LogModelHandler handler;
        handler.setLogFetcher(&m_logger);
        auto* filter = new Filters::StringFilter(Filters::GreaterThan);
        filter->setPattern("g\r\n");
        handler.formattedTable()->setFilter(4, filter);
        in("12");
        handler.onFetchTimer();
        QCOMPARE(handler.formattedTable()->rowCount(), 0);
        in(".5 g\r\n");
        handler.onFetchTimer();
        QCOMPARE(handler.formattedTable()->rowCount(), 1);
        QCOMPARE(handler.formattedTable()->index(0, 4).data().toString(),
                 QString("12.5 g<CR><LF>"));
    }

    // Both tables stop at 3000 rows, dropping the oldest; a view scrolled up
    // stays where it is, one at the bottom follows the new rows.
    void capAndScrolling()
    {
        LogModelHandler handler;
        handler.setLogFetcher(&m_logger);
        QTableView view;
        view.resize(400, 300);
        handler.setTableView(&view);
        view.show();
        for (int i = 0; i < 3100; ++i)
            in(QString::number(i) + "\r\n");
        handler.onFetchTimer();
        QCOMPARE(handler.rawTable()->allRowCount(), 3000);
        QCOMPARE(handler.formattedTable()->allRowCount(), 3000);
        QCOMPARE(messages(*handler.formattedTable()).first(), QString("100\r\n"));
        QScrollBar* bar = view.verticalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());

        bar->setValue(bar->maximum() / 2);
        const int scrolled = bar->value();
        in("next\r\n");
        handler.onFetchTimer();
        QCOMPARE(bar->value(), scrolled);

        bar->setValue(bar->maximum());
        for (int i = 0; i < 5; ++i)
            in("more\r\n");
        handler.onFetchTimer();
        QTRY_COMPARE(bar->value(), bar->maximum());
        QVERIFY(view.rowAt(view.viewport()->height() - 2) >= 2990);
    }

    // Raw: only received text, as it came. Formatted: the filtered rows and
    // visible columns, numbered from 0, each field followed by a TAB.
    void exportsAreWrittenByteForByte()
    {
        ScopedTestSettings settings;
        QTemporaryDir dir;
        FakeFileDialogPresenter dialogs;
        LogModelHandler handler;
        handler.setLogFetcher(&m_logger);
        Filters::FilterWidgetNew bar;
        handler.setFilterWidget(&bar);
        handler.initColumns();
        in("MJ\r\n1", "COM\t1");
        out("SW9\r\n");
        in("2.5 g\r\n");
        in(QString::fromUtf8("zażółć\r"), "LAN (10.0.0.2,5001)");
        out("");
        in("\n", "LAN (10.0.0.2,5001)");
        out("ST\r\n\r\nx");
        in("a\nb\r");
        handler.onFetchTimer();

        // Every row and column, as the program has always written them.
        dialogs.queueAnswer(dir.filePath("all.csv"));
        handler.exportFormatted();
        QCOMPARE(fileContents(dir.filePath("all.csv")),
                 QByteArray("0\tIN\tCOM\t1\t2026-12-07\t09:05:03.007\tMJ<CR><LF>\t\n"
                            "1\tIN\tCOM\t1\t2026-12-07\t09:05:03.007\t1\t\n"
                            "2\tOUT\tCOM1\t2026-12-07\t09:05:03.007\tSW9<CR><LF>\t\n"
                            "3\tIN\tCOM1\t2026-12-07\t09:05:03.007\t2.5 g<CR><LF>\t\n"
                            "4\tIN\tLAN (10.0.0.2,5001)\t2026-12-07\t09:05:03.007\tzażółć<CR>\t\n"
                            "5\tOUT\tCOM1\t2026-12-07\t09:05:03.007\t\t\n"
                            "6\tIN\tLAN (10.0.0.2,5001)\t2026-12-07\t09:05:03.007\t<LF>\t\n"
                            "7\tOUT\tCOM1\t2026-12-07\t09:05:03.007\tST<CR><LF>\t\n"
                            "8\tOUT\tCOM1\t2026-12-07\t09:05:03.007\t<CR><LF>\t\n"
                            "9\tOUT\tCOM1\t2026-12-07\t09:05:03.007\tx\t\n"
                            "10\tIN\tCOM1\t2026-12-07\t09:05:03.007\ta<LF>b<CR>\t\n"));

        dialogs.queueAnswer(dir.filePath("raw.txt"));
        handler.exportRaw();
        QCOMPARE(fileContents(dir.filePath("raw.txt")),
                 QByteArray("MJ\r\n12.5 g\r\nzażółć\r\na\nb\r"));

        // Hide the interface column, filter the messages to those with "g".
        bar.columnsDialog()->openWithChecked({0, 2, 3, 4});
        bar.columnsDialog()->confirmClicked();
        bar.filtersDialog()->openWithChecked({4});
        bar.filtersDialog()->confirmClicked();
        bar.row(4)->findChild<QLineEdit*>()->setText("g");
        bar.row(4)->modeCombo()->setCurrentIndex(2); // contains
        QCOMPARE(handler.formattedTable()->rowCount(), 1);

        dialogs.queueAnswer(dir.filePath("log.csv"));
        handler.exportFormatted();
        QCOMPARE(dialogs.last().nameFilters.value(0), QString("CSV files (*.csv)"));
        QCOMPARE(fileContents(dir.filePath("log.csv")),
                 QByteArray("0\tIN\t2026-12-07\t09:05:03.007\t2.5 g<CR><LF>\t\n"));

        dialogs.queueAnswer(QString());
        handler.exportFormatted(); // cancelled: nothing happens
    }

    // An export that cannot be opened or written whole is reported; on a
    // full disk an older file of that name stays as it was, and no part of
    // the new one is left.
    void unwritableExportIsReported()
    {
        ScopedTestSettings settings;
        QTemporaryDir dir;
        FakeFileDialogPresenter dialogs;
        FileErrors errors;
        LogModelHandler handler;
        handler.setFileMessageBoxes(&errors);
        dialogs.queueAnswer("/nonexistent-folder/raw.txt");
        handler.exportRaw();
        dialogs.queueAnswer("/nonexistent-folder/log.csv");
        handler.exportFormatted();
        QCOMPARE(errors.shown, 2);

        in(QString(100000, 'x') + "\r\n");
        handler.setLogFetcher(&m_logger);
        handler.onFetchTimer();
        const QByteArray old = QByteArray("an older export\n").repeated(1000);
        QVERIFY(writeFileContents(dir.filePath("raw.txt"), old));
        QVERIFY(writeFileContents(dir.filePath("log.csv"), old));
        {
            FileSizeLimit fullDisk(4096);
            for (const char* name : {"raw.txt", "new.txt"}) {
                dialogs.queueAnswer(dir.filePath(name));
                handler.exportRaw();
            }
            for (const char* name : {"log.csv", "new.csv"}) {
                dialogs.queueAnswer(dir.filePath(name));
                handler.exportFormatted();
            }
        }
        QCOMPARE(errors.shown, 6);
        QCOMPARE(filesIn(dir.path()), QStringList({"log.csv", "raw.txt"}));
        QCOMPARE(fileContents(dir.filePath("raw.txt")), old);
        QCOMPARE(fileContents(dir.filePath("log.csv")), old);
    }

    void viewFollowsModeFiltersAndLanguage()
    {
        LogModelHandler handler;
        QTableView view;
        Filters::FilterWidgetNew bar;
        handler.setTableView(&view);
        handler.setFilterWidget(&bar);
        handler.initColumns();
        QCOMPARE(view.model(), handler.formattedTable());
        handler.setFormatMode(false);
        QCOMPARE(view.model(), handler.rawTable());
        QCOMPARE(view.model()->headerData(4, Qt::Horizontal).toString(), QString("Message"));
        {
            ScopedTestSettings settings;
            QSettings().setValue("Translation", "polish");
            reloadTranslation();
            QTRY_COMPARE(handler.formattedTable()->headerData(4, Qt::Horizontal).toString(),
                         QString("Wiadomość"));
            QSettings().setValue("Translation", "english");
            reloadTranslation();
            QTRY_COMPARE(handler.rawTable()->headerData(4, Qt::Horizontal).toString(),
                         QString("Message"));
        }

        bar.columnsDialog()->openWithChecked({0, 1});
        bar.columnsDialog()->confirmClicked();
        QVERIFY(view.isColumnHidden(4) && !view.isColumnHidden(1));

        // Confirming no filter columns drops every filter of both tables.
        in("OUT-looking\r\n");
        handler.setLogFetcher(&m_logger);
        handler.onFetchTimer();
        bar.filtersDialog()->openWithChecked({0});
        bar.filtersDialog()->confirmClicked();
        bar.row(0)->modeCombo()->setCurrentIndex(1); // not equal to "IN"
        QCOMPARE(handler.rawTable()->rowCount(), 0);
        bar.filtersDialog()->openWithChecked({});
        bar.filtersDialog()->confirmClicked();
        QCOMPARE(handler.rawTable()->rowCount(), 1);
        QCOMPARE(handler.formattedTable()->rowCount(), 1);
    }
};

QTEST_MAIN(TestLogModelHandler)
#include "tst_logmodelhandler.moc"
