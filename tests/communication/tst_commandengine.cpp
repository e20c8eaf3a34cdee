#include "communication/CommandEchoSJ.h"
#include "communication/CommandSW9.h"
#include "communication/CommandSimple.h"
#include "communication/CommnadEngine.h"
#include "communication/ILineHandler.h"
#include "communication/ILineReceiver.h"
#include "communication/ILogger.h"
#include "communication/LineSplitter.h"
#include "tests/support/MemoryInterface.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace Common::Communication;

namespace {

// Everything that happens, in order: lines handed on and log calls.
struct Journal : public Common::ILineReceiver, public ILineHandler, public ILogger
{
    QStringList events;
    QStringList lines;

    void onLine(QString line) override { lines << line; }
    bool handleLine(QString line) override
    {
        lines << line;
        events << "line:" + line;
        return true;
    }
    void received(QString description, QDateTime, QString text) override
    {
        events << "in:" + description + ":" + text;
    }
    void sent(QString description, QDateTime, QString text) override
    {
        events << "out:" + description + ":" + text;
    }
};

// Consumes every line; asks for the reply timer to restart on each.
class StreamCommand : public Command
{
public:
    bool handleLine(QString line) override
    {
        if (line == QLatin1String("END"))
            setFinished();
        return true;
    }
    QString text() override { return QStringLiteral("Sx6\r\n"); }
    bool restartTimerOnLine() override { return true; }
};

struct Fixture
{
    Fixture()
    {
        engine.setInterface(iface);
        engine.setLineHandler(&journal);
        engine.setLogger(&journal);
    }
    CommnadEngine engine;
    MemoryInterface* iface = new MemoryInterface;
    Journal journal;
    QSignalSpy finished{&engine, &CommnadEngine::commandFinished};
};

} // namespace

class TestCommandEngine : public QObject
{
    Q_OBJECT

private slots:
    void splitterCutsAtCrLfOnly()
    {
        Journal journal;
        LineSplitter splitter(&journal);
        QString buffer = "SS";
        splitter.process(buffer);
        QCOMPARE(buffer, QStringLiteral("SS"));
        buffer += "0\r\nMJ\r";
        splitter.process(buffer);
        QCOMPARE(journal.lines, QStringList{"SS0"});
        buffer += "\n";
        splitter.process(buffer);
        QCOMPARE(journal.lines, (QStringList{"SS0", "MJ"}));
        QVERIFY(buffer.isEmpty());

        journal.lines.clear();
        buffer = "\r\n\r\nMJ\r\na\rb\nc\r\nrest";
        splitter.process(buffer);
        QCOMPARE(journal.lines, (QStringList{"", "", "MJ", "a\rb\nc"}));
        QCOMPARE(buffer, QStringLiteral("rest"));
    }

    void chunksBecomeLinesForTheLineHandler()
    {
        Fixture f;
        f.iface->feed("SS");
        f.iface->feed("0\r\nMJ\r");
        QCOMPARE(f.journal.lines, QStringList{"SS0"});
        f.iface->feed("\n");
        QCOMPARE(f.journal.lines, (QStringList{"SS0", "MJ"}));
    }

    void zeroByteEndsTheChunkText()
    {
        Fixture f;
        f.iface->feed(QByteArray("12.5 g\0junk\r\n", 13));
        f.iface->feed("\r\n");
        QCOMPARE(f.journal.lines, QStringList{"12.5 g"});
    }

    void characterSplitAcrossReadsStaysWhole()
    {
        Fixture f;
        const QByteArray bytes = QStringLiteral("żółw\r\n").toUtf8();
        f.iface->feed(bytes.left(1));
        f.iface->feed(bytes.mid(1));
        QCOMPARE(f.journal.lines, QStringList{QStringLiteral("żółw")});
    }

    void backlogIsReadToTheEndAtOnce()
    {
        // More than one read's worth arrives with a single notification.
        Fixture f;
        QByteArray bytes;
        for (int i = 0; i < 3000; ++i)
            bytes += QByteArray::number(i) + " g\r\n";
        QVERIFY(bytes.size() > 2 * CInterface::kReadChunk);
        QSignalSpy something(&f.engine, &CommnadEngine::receivedSomething);
        f.iface->feed(bytes);
        QCOMPARE(f.journal.lines.size(), 3000);
        QCOMPARE(f.journal.lines.last(), QStringLiteral("2999 g"));
        QCOMPARE(f.iface->pendingBytes(), 0);
        QVERIFY(something.count() >= 1);
    }

    void overlongUnfinishedLineIsDropped()
    {
        Fixture f;
        f.engine.setMaxLineLength(100);
        for (int i = 0; i < 50; ++i)
            f.iface->feed(QByteArray(30, 'x'));
        // The tail of the dropped garbage ends with this CR LF and is skipped too.
        f.iface->feed("tail\r\nMJ\r\n");
        QCOMPARE(f.journal.lines, QStringList{"MJ"});
        f.iface->feed("12.5 g\r\n");
        QCOMPARE(f.journal.lines, (QStringList{"MJ", "12.5 g"}));
    }

    void reopenedInterfaceStartsWithoutTheOldUnfinishedLine()
    {
        Fixture f;
        f.iface->feed("12.");
        f.engine.closeInterface();
        QVERIFY(f.engine.openInterface());
        f.iface->feed("MJ\r\n");
        QCOMPARE(f.journal.lines, QStringList{"MJ"});
    }

    void chunkIsLoggedWholeBeforeItsLines()
    {
        Fixture f;
        f.iface->setDescription("COM3 (USB,9600)");
        bool accepted = false;
        QCOMPARE(f.engine.execute(new CommandSimple(true), &accepted, -1), 3);
        f.journal.events.clear();
        f.iface->feed("A\r\nB\r\nC");
        QCOMPARE(f.journal.events,
                 (QStringList{"in:COM3 (USB,9600):A\r\nB\r\nC", "line:A", "line:B"}));

        f.journal.events.clear();
        QVERIFY(f.engine.sendRaw("Sx1\r\n"));
        QCOMPARE(f.journal.events, QStringList{"out:COM3 (USB,9600):Sx1\r\n"});
    }

    void replyFinishesTheCommand()
    {
        Fixture f;
        auto* echo = new CommandEchoSJ;
        bool accepted = false;
        QCOMPARE(f.engine.execute(echo, &accepted, -1), int(CommnadEngine::Written));
        QVERIFY(accepted);
        QCOMPARE(echo->parent(), &f.engine);
        QCOMPARE(f.iface->writtenBytes(), QByteArray("SJ\r\n"));
        f.iface->feed("MJ\r\n12.5 g\r\n");
        QCOMPARE(f.finished.count(), 1);
        QCOMPARE(f.finished.at(0).at(0).toInt(), 1);
        QCOMPARE(f.journal.lines, QStringList{"12.5 g"});
        QCOMPARE(f.engine.takeCommand(), echo);
        QCOMPARE(f.engine.takeCommand(), nullptr);
        delete echo;
    }

    void failingLineReachesNoHandler()
    {
        Fixture f;
        f.engine.execute(new CommandEchoSJ, nullptr, -1);
        f.iface->feed("mj\r\nMJ\r\n");
        QCOMPARE(f.finished.count(), 1);
        QCOMPARE(f.finished.at(0).at(0).toInt(), 2);
        // "mj" failed the echo and went nowhere; "MJ" came after it finished.
        QCOMPARE(f.journal.lines, QStringList{"MJ"});
    }

    void sixLineReplyIsConsumed()
    {
        Fixture f;
        auto* identify = new CommandSW9;
        f.engine.execute(identify, nullptr, -1);
        f.iface->feed("WAG\r\n123\r\n2024\r\n1.0\r\n5\r\n6\r\n7\r\n");
        QCOMPARE(f.finished.count(), 1);
        QCOMPARE(f.journal.lines, QStringList{"7"});
        QCOMPARE(identify->deviceInfo().model, QStringLiteral("WAG"));
    }

    void finishedOnWriteIsReportedInsideExecute()
    {
        Fixture f;
        auto* command = new CommandSimple(true);
        command->setText("Sx7\r\n");
        QCOMPARE(f.engine.execute(command, nullptr, -1), 3);
        QCOMPARE(f.finished.count(), 1);
        QCOMPARE(f.finished.at(0).at(0).toInt(), 1);
    }

    void refusals()
    {
        CommnadEngine bare;
        bool accepted = true;
        auto* command = new CommandEchoSJ(&bare);
        QCOMPARE(bare.execute(command, &accepted, -1), int(CommnadEngine::NoInterface));
        QVERIFY(!accepted);
        QVERIFY(!bare.openInterface());

        Fixture f;
        auto* first = new CommandEchoSJ;
        f.engine.execute(first, nullptr, -1);
        auto* second = new CommandEchoSJ(&f.engine);
        QCOMPARE(f.engine.execute(second, &accepted, -1), int(CommnadEngine::Busy));
        QVERIFY(!accepted);
        QCOMPARE(f.iface->writes().size(), 1);
        f.iface->feed("MJ\r\n");
        QVERIFY(first->isFinished());
        QCOMPARE(f.engine.execute(second, &accepted, -1), 3);
        QVERIFY(accepted);
    }

    void failedFirstWrite()
    {
        Fixture f;
        f.iface->setWriteFails(true);
        auto* echo = new CommandEchoSJ;
        bool accepted = false;
        QCOMPARE(f.engine.execute(echo, &accepted, -1), int(CommnadEngine::WriteFailed));
        QVERIFY(accepted);
        QCOMPARE(f.finished.count(), 0);
        QCOMPARE(f.engine.takeCommand(), echo);
        QVERIFY(f.journal.events.isEmpty());
        delete echo;
    }

    void silenceGivesThreeWritesThenTimeOut()
    {
        Fixture f;
        QElapsedTimer clock;
        clock.start();
        f.engine.execute(new CommandEchoSJ, nullptr, 100);
        QTRY_COMPARE(f.finished.count(), 1);
        QCOMPARE(f.finished.at(0).at(0).toInt(), 3);
        QCOMPARE(f.iface->writes(), (QByteArrayList{"SJ\r\n", "SJ\r\n", "SJ\r\n"}));
        QVERIFY(clock.elapsed() >= 300);
        // The log shows every write, rewrites included.
        QCOMPARE(f.journal.events,
                 QStringList({"out:Memory:SJ\r\n", "out:Memory:SJ\r\n", "out:Memory:SJ\r\n"}));

        // The late reply belongs to nobody but the line handler; a new
        // command is accepted.
        f.iface->feed("MJ\r\n");
        QCOMPARE(f.journal.lines, QStringList{"MJ"});
        QCOMPARE(f.engine.execute(new CommandEchoSJ, nullptr, 100), 3);
    }

    void defaultTimeOutIsTwoSecondsPerWrite()
    {
        Fixture f;
        QElapsedTimer clock;
        clock.start();
        f.engine.execute(new CommandEchoSJ, nullptr, -1);
        QSignalSpy written(f.iface, &MemoryInterface::written);
        // The waits allow three times the time-outs, for a loaded machine.
        QVERIFY(written.wait(3 * 2000));
        QVERIFY(clock.elapsed() >= 1900); // the first rewrite, not before two seconds
        QTRY_COMPARE_WITH_TIMEOUT(f.finished.count(), 1, 3 * 3 * 2000);
        QCOMPARE(f.iface->writes().size(), 3);
        QVERIFY(clock.elapsed() >= 5800);
        QCOMPARE(f.finished.at(0).at(0).toInt(), 3);
    }

    void failedRewriteFailsTheCommand()
    {
        Fixture f;
        auto* echo = new CommandEchoSJ;
        f.engine.execute(echo, nullptr, 50);
        f.iface->setWriteFails(true);
        QTRY_COMPARE(f.finished.count(), 1);
        QCOMPARE(f.finished.at(0).at(0).toInt(), 2);
        QVERIFY(echo->isFinished());
        // A late reply cannot finish it a second time.
        f.iface->setWriteFails(false);
        f.iface->feed("MJ\r\n");
        QVERIFY(!f.finished.wait(120)); // nor does its time-out, long past
        QCOMPARE(f.journal.lines, QStringList{"MJ"});
    }

    void consumedLinesKeepAStreamingCommandAlive()
    {
        Fixture f;
        f.engine.execute(new StreamCommand, nullptr, 200);
        QTimer feeder;
        int fed = 0;
        connect(&feeder, &QTimer::timeout, [&] {
            f.iface->feed(++fed < 8 ? "SS0\r\n" : "END\r\n");
            if (fed == 8)
                feeder.stop();
        });
        feeder.start(150);
        QTRY_COMPARE(f.finished.count(), 1);
        QCOMPARE(f.finished.at(0).at(0).toInt(), 1);
        QCOMPARE(fed, 8);
        QCOMPARE(f.iface->writes().size(), 1);
    }

    void timerOfAFinishedCommandDoesNotRewriteTheNext()
    {
        Fixture f;
        f.engine.execute(new CommandEchoSJ, nullptr, 100);
        f.iface->feed("MJ\r\n");
        auto* noTimeout = new CommandSimple;
        noTimeout->setText("X\r\n");
        noTimeout->setExpectedReply("Y");
        f.engine.execute(noTimeout, nullptr, 0);
        QSignalSpy written(f.iface, &MemoryInterface::written);
        QVERIFY(!written.wait(250));
        QCOMPARE(f.iface->writes(), (QByteArrayList{"SJ\r\n", "X\r\n"}));
        f.iface->feed("Y\r\n");
        QCOMPARE(f.finished.count(), 2);
    }

    void interfaceStates()
    {
        Fixture f;
        QSignalSpy ready(&f.engine, &CommnadEngine::interfaceReady);
        QSignalSpy failed(&f.engine, &CommnadEngine::interfaceFailed);
        QVERIFY(f.engine.openInterface());
        f.iface->announceState(CInterface::Listening);
        f.iface->announceState(CInterface::Disconnected);
        QCOMPARE(ready.count(), 1);
        QCOMPARE(failed.count(), 1);
        f.iface->setOpenResult(false);
        QVERIFY(!f.engine.openInterface());
        QCOMPARE(failed.count(), 2);
    }

    void replacedInterfaceIsReleasedAndSilenced()
    {
        Fixture f;
        QPointer<MemoryInterface> old = f.iface;
        auto* next = new MemoryInterface;
        f.engine.setInterface(next);
        QCOMPARE(next->parent(), &f.engine);
        old->feed("stale\r\n");
        QVERIFY(f.journal.lines.isEmpty());
        f.engine.setInterface(next);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        QCOMPARE(f.engine.interface(), next);
    }

    void stopAndResumeReading()
    {
        Fixture f;
        f.engine.stopReading();
        f.iface->feed("A\r\n");
        QVERIFY(f.journal.lines.isEmpty());
        f.engine.resumeReading();
        f.engine.resumeReading();
        f.iface->feed("B\r\n");
        QCOMPARE(f.journal.lines, (QStringList{"A", "B"}));
    }
};

QTEST_GUILESS_MAIN(TestCommandEngine)
#include "tst_commandengine.moc"
