#include "drying/CsvFacadeComposed.h"
#include "drying/PdfCsvImportExport.h"
#include "ui/AskCleaner.h"
#include "ui/IClearDataMessageBox.h"
#include "ui/IClearable.h"
#include "ui/IEmpty.h"
#include "ui/INothingtoSaveMessageBox.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Common;

namespace {

// The run, the boxes and the file operations, recording what happened in order.
struct World : IEmpty,
               IClearable,
               IClearDataMessageBox,
               INothingtoSaveMessageBox,
               ICsvFacade,
               IPdfGenerator
{
    bool isEmpty() const override { return rows == 0; }
    void clear() override
    {
        rows = 0;
        log << "clear";
    }
    bool askClearData() override
    {
        log << "ask";
        return answer;
    }
    void showNothingToSave() override { log << "nothing"; }
    bool load() override
    {
        log << "load";
        rows += loaded;
        return result;
    }
    bool save() override
    {
        log << "save";
        return result;
    }
    bool generatePdf() override
    {
        log << "pdf";
        return result;
    }

    int rows = 0;
    int loaded = 0;
    bool answer = true;
    bool result = true;
    QStringList log;
};

class Saver : public ICsvSavable
{
public:
    bool save() override { return true; }
};

class Loader : public ICsvLoadable
{
public:
    bool load() override { return false; }
};

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void emptyRunIsNeitherSavedNorPrinted()
    {
        World w;
        AskCleaner guard(&w, &w, &w);
        PdfCsvImportExport commands(&w, &w, &guard, &w, &w);
        QSignalSpy saved(&commands, &PdfCsvImportExport::dataSaved);
        QVERIFY(!commands.save());
        QVERIFY(!commands.generatePdf());
        QCOMPARE(w.log, QStringList({"nothing", "nothing"}));
        QCOMPARE(saved.count(), 0);

        w.rows = 3;
        QVERIFY(commands.save());
        QVERIFY(commands.generatePdf()); // a made report counts as saved data
        QCOMPARE(saved.count(), 2);
        w.result = false;
        QVERIFY(!commands.save());
        QCOMPARE(saved.count(), 2);
    }

    void loadAsksBeforeReplacingTheRun()
    {
        World w;
        w.rows = 5;
        w.answer = false;
        AskCleaner guard(&w, &w, &w);
        PdfCsvImportExport commands(&w, &w, &guard, &w, &w);
        QSignalSpy loaded(&commands, &PdfCsvImportExport::dataLoaded);
        QVERIFY(!commands.load());
        QCOMPARE(w.log, QStringList({"ask"}));
        QCOMPARE(w.rows, 5);

        w.answer = true;
        w.log.clear();
        w.loaded = 2;
        QVERIFY(commands.load());
        QCOMPARE(w.log, QStringList({"ask", "clear", "load"}));
        QCOMPARE(loaded.count(), 1);

        // A failed import keeps what it read but announces nothing.
        w.result = false;
        QVERIFY(!commands.load());
        QCOMPARE(w.rows, 2);
        QCOMPARE(loaded.count(), 1);
    }

    void composedFacadeForwards()
    {
        CsvFacadeComposed facade(std::make_shared<Saver>(), std::make_shared<Loader>());
        QVERIFY(facade.save());
        QVERIFY(!facade.load());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
