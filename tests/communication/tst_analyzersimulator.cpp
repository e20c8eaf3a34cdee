#include "tests/support/AnalyzerSimulator.h"

#include <QSignalSpy>
#include <QtTest>

// The simulator is the device of many tests: what it puts on the wire must
// be exactly what its switches say, in order.
class TestAnalyzerSimulator : public QObject
{
    Q_OBJECT

private:
    static QByteArray wire(const QSignalSpy& spy)
    {
        QByteArray bytes;
        for (const QList<QVariant>& call : spy)
            bytes += call.first().toByteArray();
        return bytes;
    }

private slots:
    void commandsMatchExactlyThenByLongestName()
    {
        AnalyzerSimulator sim;
        QByteArrayList calls;
        sim.setCommand("Sp", [&](const QByteArray& arg) { calls << "Sp:" + arg; });
        sim.setCommand("Sp0", [&](const QByteArray& arg) { calls << "Sp0:" + arg; });
        QSignalSpy out(&sim, &AnalyzerSimulator::bytesOut);
        sim.receiveBytes("Sp0100\r\nSp1\r");
        sim.receiveBytes("\nSW9\r\nSJ\r\nXX\r\n");
        QCOMPARE(calls, (QByteArrayList{"Sp0:100", "Sp:1"}));
        QCOMPARE(sim.receivedLines(), (QByteArrayList{"Sp0100", "Sp1", "SW9", "SJ", "XX"}));
        QCOMPARE(wire(out),
                 QByteArray("WAG-50\r\nSN 00123 X7\r\n2024-04-12\r\nv2.07\r\n--\r\n--\r\nMJ\r\n"));

        sim.setIgnoreUnknown(false);
        sim.receiveBytes("XX\r\n");
        QVERIFY(wire(out).endsWith("MJ\r\n?\r\n"));
    }

    void faultSwitchesShapeTheReply()
    {
        AnalyzerSimulator sim;
        QSignalSpy out(&sim, &AnalyzerSimulator::bytesOut);
        sim.setEmptyLinesBefore(2);
        sim.setWrongCase(true);
        sim.setZeroByteAfterReply(true);
        sim.receiveBytes("SJ\r\n");
        QCOMPARE(wire(out), QByteArray("\r\n\r\nmj\r\n\0junk", 13));

        out.clear();
        sim.setEmptyLinesBefore(0);
        sim.setWrongCase(false);
        sim.setZeroByteAfterReply(false);
        sim.setSilent(true);
        sim.receiveBytes("SJ\r\n");
        QCOMPARE(out.count(), 0);
    }

    void delayedAndChunkedOutputKeepsItsOrder()
    {
        AnalyzerSimulator sim;
        QSignalSpy out(&sim, &AnalyzerSimulator::bytesOut);
        sim.setReplyDelay(100);
        sim.setChunkSize(3);
        sim.setChunkGap(10);
        sim.receiveBytes("SJ\r\n");
        sim.sendRaw("12.5 g\r\n"); // undelayed, yet after the reply
        QCOMPARE(out.count(), 0);
        QVERIFY(!sim.isIdle());
        QTRY_VERIFY(sim.isIdle());
        QCOMPARE(wire(out), QByteArray("MJ\r\n12.5 g\r\n"));
        QCOMPARE(out.first().first().toByteArray(), QByteArray("MJ\r"));
        QVERIFY(out.count() >= 4);
    }

    void garbageHasNoLineEnd()
    {
        AnalyzerSimulator sim;
        QSignalSpy out(&sim, &AnalyzerSimulator::bytesOut);
        sim.sendGarbage(5000);
        const QByteArray bytes = wire(out);
        QCOMPARE(bytes.size(), 5000);
        QVERIFY(!bytes.contains('\r') && !bytes.contains('\n'));
    }
};

QTEST_GUILESS_MAIN(TestAnalyzerSimulator)
#include "tst_analyzersimulator.moc"
