#include "terminal/Logger.h"

#include <QThread>
#include <QtTest>

using namespace Common::Communication;

class TestLogger : public QObject
{
    Q_OBJECT

private slots:
    void entriesComeOutInOrderWithDirection()
    {
        Logger logger;
        QVERIFY(!logger.hasRecords());
        const QDateTime when(QDate(2024, 4, 12), QTime(10, 11, 12, 13));
        logger.received("COM3", when, "12.");
        logger.received("COM3", when, "5 g\r\n");
        logger.sent("COM3", when.addSecs(1), "SJ\r\n");
        logger.received("COM3", when, QString());

        LogEntry first = logger.takeFirst();
        QVERIFY(first.isIn);
        QCOMPARE(first.record.interface, QStringLiteral("COM3"));
        QCOMPARE(first.record.date, QDate(2024, 4, 12));
        QCOMPARE(first.record.time, QTime(10, 11, 12, 13));
        QCOMPARE(first.record.message, QStringLiteral("12."));
        QCOMPARE(logger.takeFirst().record.message, QStringLiteral("5 g\r\n"));
        const LogEntry sent = logger.takeFirst();
        QVERIFY(!sent.isIn);
        QCOMPARE(sent.record.message, QStringLiteral("SJ\r\n"));
        QCOMPARE(sent.record.time, QTime(10, 11, 13, 13));
        QVERIFY(logger.hasRecords());
        const LogEntry empty = logger.takeFirst();
        QVERIFY(empty.record.message.isEmpty());
        QVERIFY(!logger.hasRecords());
        // Misuse stays harmless.
        QVERIFY(logger.takeFirst().record.message.isEmpty());
    }

    void writersOnOtherThreadsLoseNothing()
    {
        Logger logger;
        const int perThread = 5000;
        QList<QThread*> writers;
        for (int t = 0; t < 4; ++t) {
            writers << QThread::create([&logger, t] {
                for (int i = 0; i < perThread; ++i)
                    logger.received(QString::number(t), QDateTime(), QString::number(i));
            });
            writers.last()->start();
        }
        int taken = 0;
        QVector<int> lastPerThread(4, -1);
        bool inOrder = true;
        auto drain = [&] {
            while (logger.hasRecords()) {
                const LogEntry e = logger.takeFirst();
                const int t = e.record.interface.toInt();
                const int i = e.record.message.toInt();
                inOrder = inOrder && i == lastPerThread[t] + 1;
                lastPerThread[t] = i;
                ++taken;
            }
        };
        for (QThread* w : writers) {
            while (!w->wait(1))
                drain();
        }
        drain();
        qDeleteAll(writers);
        QCOMPARE(taken, 4 * perThread);
        QVERIFY(inOrder);
    }

    void recordStampsTheCurrentTime()
    {
        const QDateTime before = QDateTime::currentDateTime();
        const VornLogRecord record("LAN (10.0.0.5,1001)", "MJ\r\n");
        QVERIFY(record.date >= before.date());
        QVERIFY(record.time.isValid());
        registerVornLogRecordType();
        QVERIFY(QMetaType::type("VornLogRecord") != QMetaType::UnknownType);
        const QVariant v = QVariant::fromValue(record);
        QCOMPARE(v.value<VornLogRecord>().message, QStringLiteral("MJ\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestLogger)
#include "tst_logger.moc"
