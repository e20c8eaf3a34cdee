// Saving and loading a drying run of many records as its CSV file, against
// writing and reading the same bytes with plain file I/O, and the same file
// loaded and saved through the drying page's Load and Save.
//
//   bench_run_csv [RECORDS]      (default 100000)
//
// Goal: a 7-day run at one reading a second (604800 records) saved in under
// 1 s and loaded in under 1 s; through the page, loaded within 1.5x and saved
// within 1.3x the run file code's own time.
//
// "Plain text" writes the file's lines, already made, through a UTF-8 text
// stream and reads them back line by line, split at the separator: the least
// any line-based CSV code does. "Raw" is one block write and read.
// The page is shown offscreen; its Load and Save take the path from the file
// dialog at once. A step's time includes the calls it left queued for the
// next turn of the event loop (the table's columns follow the new rows there),
// not the painting.
// Memory is the growth of the peak resident size during each step (Linux),
// with freed memory handed back to the system before each step.

#include "app/TabDryerTrProvider.h"
#include "resources/Resources.h"
#include "settings/DryerDB.h"

#include "tests/support/DryingRunFixture.h"
#include "tests/support/FakeFileDialogPresenter.h"
#include "tests/support/FixedPathCsvFiles.h"
#include "tests/support/ScopedTestSettings.h"
#include "tests/support/ShownDryingPage.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <limits>
#include <malloc.h>

namespace {

qint64 statusKb(const char* key)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Lets the peak (VmHWM) start again from the current size.
void resetPeak()
{
    malloc_trim(0);
    QFile refs("/proc/self/clear_refs");
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Step
{
    double ms;
    qint64 peakGrowthKb;
};

template <typename F>
Step measure(F action)
{
    resetPeak();
    const qint64 before = statusKb("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    action();
    const double ms = timer.nsecsElapsed() / 1e6;
    return {ms, statusKb("VmHWM:") - before};
}

// The icon's action of the page as a click on it triggers it, then the calls
// it left queued.
void trigger(ShownDryingPage& page, int textId)
{
    const QString text = TabDryerTrProvider().text(textId);
    for (QAction* action : page.tab->menu()->actions()) {
        if (action->text() == text)
            action->trigger();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initSorvanaResources();
    bool valid = true;
    const int records = argc > 1 ? QByteArray(argv[1]).toInt(&valid) : 100000;
    // One record a second: times in ms must fit an int.
    if (!valid || records < 1 || records > std::numeric_limits<int>::max() / 1000) {
        std::fprintf(stderr, "usage: bench_run_csv [RECORDS], 1 to %d records\n",
                     std::numeric_limits<int>::max() / 1000);
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("run.csv");
    FixedPathCsvFiles files(path);

    Step save, load, model, rawWrite, rawRead, textWrite, textRead, pageLoad, pageSave;
    QByteArray bytes;
    {
        DryingRunFixture f;
        for (int i = 0; i < records; ++i)
            f.receiver.receive(i * 1000, 50.0 - i * 0.0001);
        KD::Drying::TdCsvExporter exporter(f.deps.saverErrorHandler(), &files, &f.run,
                                           &f.contextGetter);
        bool ok = false;
        save = measure([&] { ok = exporter.save(); });
        if (!ok) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
    }
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        bytes = file.readAll();
    }
    const QString plainPath = dir.filePath("plain.csv");
    rawWrite = measure([&] {
        QFile out(plainPath);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(bytes);
    });
    rawRead = measure([&] {
        QFile in(plainPath);
        in.open(QIODevice::ReadOnly);
        volatile int size = in.readAll().size();
        (void)size;
    });
    {
        const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
        textWrite = measure([&] {
            QFile out(plainPath);
            out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
            QTextStream stream(&out);
            stream.setCodec("UTF-8");
            for (const QString& line : lines)
                stream << line << '\n';
        });
    }
    textRead = measure([&] {
        QFile in(plainPath);
        in.open(QIODevice::ReadOnly | QIODevice::Text);
        QTextStream stream(&in);
        stream.setCodec("UTF-8");
        volatile int fields = 0;
        while (!stream.atEnd())
            fields = fields + stream.readLine().split(QStringLiteral(";\t")).size();
    });
    {
        DryingRunFixture f;
        KD::Drying::TdCsvImporter importer(&files, f.deps.loaderErrorHandler(), &f.receiver,
                                           &f.contextSetter);
        bool ok = false;
        load = measure([&] { ok = importer.load(); });
        if (!ok || f.run.samplesCount() != records) {
            std::fprintf(stderr, "load failed\n");
            return 1;
        }
    }
    {
        // What the loaded run itself takes: the same records appended from memory.
        DryingRunFixture f;
        model = measure([&] {
            for (int i = 0; i < records; ++i)
                f.receiver.receive(i * 1000, 50.0 - i * 0.0001);
        });
    }

    {
        // The page reads settings and the parameter-set database: empty ones.
        ScopedTestSettings settings;
        QTemporaryDir database;
        DryerDB::CreateDBsIfNeeded(database.path());
        FakeFileDialogPresenter dialogs;
        ShownDryingPage page;
        dialogs.queueAnswer(path);
        pageLoad = measure([&] { trigger(page, TabDryerTrProvider::LoadData); });
        const QString pagePath = dir.filePath("page.csv");
        dialogs.queueAnswer(pagePath);
        pageSave = measure([&] { trigger(page, TabDryerTrProvider::SaveData); });
        if (page.rows() != records || QFileInfo(pagePath).size() != bytes.size()) {
            std::fprintf(stderr, "page load or save failed\n");
            return 1;
        }
    }

    const double sizeKb = bytes.size() / 1024.0;
    std::printf("%d records, file %.0f KiB\n", records, sizeKb);
    std::printf("save         %7.1f ms  peak growth %6lld KiB (%.2fx the file)\n", save.ms,
                save.peakGrowthKb, save.peakGrowthKb / sizeKb);
    std::printf("  plain text %7.1f ms  save is %.2fx\n", textWrite.ms, save.ms / textWrite.ms);
    std::printf("  raw write  %7.1f ms\n", rawWrite.ms);
    std::printf("load         %7.1f ms  peak growth %6lld KiB\n", load.ms, load.peakGrowthKb);
    std::printf("  of which the run model (appended from memory) %.1f ms, %lld KiB\n", model.ms,
                model.peakGrowthKb);
    std::printf("  beyond the run model: %.1f ms, %lld KiB (%.2fx the file)\n", load.ms - model.ms,
                load.peakGrowthKb - model.peakGrowthKb,
                (load.peakGrowthKb - model.peakGrowthKb) / sizeKb);
    std::printf("  plain text %7.1f ms  load beyond the model is %.2fx\n", textRead.ms,
                (load.ms - model.ms) / textRead.ms);
    std::printf("  raw read   %7.1f ms\n", rawRead.ms);
    std::printf("page load    %7.1f ms  peak growth %6lld KiB  %.2fx the load (goal <= 1.5x)\n",
                pageLoad.ms, pageLoad.peakGrowthKb, pageLoad.ms / load.ms);
    std::printf("page save    %7.1f ms  peak growth %6lld KiB  %.2fx the save (goal <= 1.3x)\n",
                pageSave.ms, pageSave.peakGrowthKb, pageSave.ms / save.ms);
    return 0;
}
