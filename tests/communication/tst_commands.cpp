#include "communication/CommandEchoSJ.h"
#include "communication/CommandSW9.h"
#include "communication/CommandSendFwLineS19.h"
#include "communication/CommandSimple.h"

#include <QtTest>

using namespace Common::Communication;

namespace {

// An echo that waits past a few foreign lines.
class PatientEcho : public CommandEcho
{
public:
    explicit PatientEcho(int limit) : CommandEcho(limit, nullptr) { }
    QString text() override { return QStringLiteral("X\r\n"); }
    bool isMatch(QString line) override { return line == QLatin1String("OK"); }
};

DeviceInfo identify(const QStringList& lines, bool extended = false)
{
    CommandSW9 command(extended);
    for (const QString& line : lines)
        command.handleLine(line);
    return command.deviceInfo();
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void echoMatchesExactReplyOnly_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::newRow("MJ") << "MJ" << true;
        QTest::newRow("lower case") << "mj" << false;
        QTest::newRow("trailing blank") << "MJ " << false;
        QTest::newRow("empty") << "" << false;
    }

    void echoMatchesExactReplyOnly()
    {
        QFETCH(QString, line);
        QFETCH(bool, ok);
        CommandEchoSJ echo;
        QCOMPARE(echo.text(), QStringLiteral("SJ\r\n"));
        QCOMPARE(echo.handleLine(line), ok);
        QVERIFY(echo.isFinished());
        QVERIFY(echo.gotReply());
        QCOMPARE(echo.isMatched(), ok);
        QCOMPARE(echo.status(), ok ? 1 : 2);
    }

    void echoLimitLetsForeignLinesPass()
    {
        PatientEcho echo(3);
        QVERIFY(!echo.handleLine("measurement"));
        QVERIFY(!echo.handleLine("measurement"));
        QVERIFY(!echo.isFinished());
        QVERIFY(!echo.handleLine("measurement"));
        QVERIFY(echo.isFinished());
        QCOMPARE(echo.status(), 2);

        PatientEcho late(3);
        late.handleLine("noise");
        QVERIFY(late.handleLine("OK"));
        QCOMPARE(late.status(), 1);
    }

    void identificationTakesSixLines()
    {
        CommandSW9 command;
        QCOMPARE(command.text(), QStringLiteral("SW9\r\n"));
        const QStringList reply{"WAG-50", "SN 00123 X7", "2024-04-12", "v1.2", "x", "y"};
        for (int i = 0; i < 5; ++i) {
            QVERIFY(command.handleLine(reply.at(i)));
            QVERIFY(!command.isFinished());
            QVERIFY(!command.hasDeviceInfo());
        }
        QVERIFY(command.handleLine(reply.at(5)));
        QVERIFY(command.isFinished());
        QVERIFY(command.hasDeviceInfo());
        QCOMPARE(command.status(), 1);
        QVERIFY(!command.handleLine("seventh"));
        const DeviceInfo info = command.deviceInfo();
        QCOMPARE(info.model, QStringLiteral("WAG-50"));
        QCOMPARE(info.serialNumber, QStringLiteral("SN 00123"));
        QCOMPARE(info.date, QStringLiteral("2024-04-12"));
        QCOMPARE(info.firmware, QStringLiteral("v1.2"));
    }

    void serialNumberCut_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("serial");
        QTest::newRow("digits only") << "123456"
                                     << "123456";
        QTest::newRow("first run") << "A-12B34"
                                   << "A-12";
        QTest::newRow("letters only") << "ABC"
                                      << "ABC";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blank then digits") << "SN 00123 X7"
                                           << "SN 00123";
    }

    void serialNumberCut()
    {
        QFETCH(QString, line);
        QFETCH(QString, serial);
        QCOMPARE(identify({"m", line, "d", "f", "", ""}).serialNumber, serial);
    }

    void extendedFirmwareLine_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("firmware");
        QTest::newRow("F: alone") << "F:"
                                  << "v1";
        QTest::newRow("F: version") << "F:2.07"
                                    << "2.07";
        QTest::newRow("lower case") << "f:2.07"
                                    << "v1";
    }

    void extendedFirmwareLine()
    {
        QFETCH(QString, last);
        QFETCH(QString, firmware);
        CommandSW9 command(true);
        const QStringList lines{"m", "1", "d", "v1", "5", "6", "7"};
        for (const QString& line : lines)
            command.handleLine(line);
        QVERIFY(!command.isFinished());
        QVERIFY(command.handleLine(last));
        QVERIFY(command.isFinished());
        QCOMPARE(command.deviceInfo().firmware, firmware);
    }

    void simpleCommand()
    {
        CommandSimple noReply(true);
        noReply.setText("Sx7\r\n");
        QCOMPARE(noReply.text(), QStringLiteral("Sx7\r\n"));
        QVERIFY(!noReply.isFinished());
        noReply.onSent();
        QVERIFY(noReply.isFinished());
        QCOMPARE(noReply.status(), 1);
        QVERIFY(!noReply.handleLine(""));

        CommandSimple withReply;
        withReply.setExpectedReply("B");
        withReply.onSent();
        QVERIFY(!withReply.isFinished());
        QVERIFY(!withReply.handleLine("b"));
        QVERIFY(!withReply.isFinished());
        QVERIFY(withReply.handleLine("B"));
        QVERIFY(withReply.isFinished());
        QCOMPARE(withReply.status(), 1);
    }

    void firmwareLineReplies()
    {
        for (int code = 1; code <= 3; ++code) {
            CommandSendFwLineS19 command;
            QVERIFY(command.handleLine(QStringLiteral("f%1").arg(code)));
            QVERIFY(command.isFinished());
            QCOMPARE(command.status(), 1);
            QCOMPARE(command.replyCode(), code);
        }
        CommandSendFwLineS19 refused;
        refused.setLine("S00600004844521B\r\n");
        QCOMPARE(refused.text(), QStringLiteral("S00600004844521B\r\n"));
        QVERIFY(!refused.handleLine("OK"));
        QVERIFY(refused.isFinished());
        QCOMPARE(refused.status(), 2);
        QCOMPARE(refused.replyCode(), 0);
        CommandSendFwLineS19 wrongCode;
        QVERIFY(!wrongCode.handleLine("f4"));
        QCOMPARE(wrongCode.status(), 2);
    }

    void resetKeepsFailure()
    {
        CommandEchoSJ echo;
        echo.handleLine("x");
        QCOMPARE(echo.status(), 2);
        echo.reset();
        QVERIFY(!echo.isFinished());
        QCOMPARE(echo.status(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
