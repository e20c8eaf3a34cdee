#include "analyzer/CommandCodes.h"
#include "analyzer/CommandCreator.h"
#include "analyzer/CommandGetParam.h"
#include "analyzer/CommandSetInt.h"
#include "analyzer/CommandSx6.h"
#include "analyzer/CommandSx7.h"
#include "analyzer/CommandsDescProvider.h"
#include "communication/CommandEchoSJ.h"
#include "communication/CommandSW9.h"

#include <QtTest>
#include <memory>

using namespace KD::Communication;
using Common::Communication::Command;

class TestCommands : public QObject
{
    Q_OBJECT

private:
    static std::unique_ptr<Command> make(int code, const QVariant& arg = QVariant())
    {
        CommandCreator creator;
        return std::unique_ptr<Command>(creator.create(CommandRequest{code, arg}));
    }

    static std::unique_ptr<CommandSx6> block(const QStringList& lines)
    {
        auto cmd = std::make_unique<CommandSx6>();
        for (const QString& l : lines)
            cmd->handleLine(l);
        return cmd;
    }

private slots:
    void wireText_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QVariant>("arg");
        QTest::addColumn<QString>("text");
        QTest::newRow("echo") << 35 << QVariant() << "SJ\r\n";
        QTest::newRow("identification") << 36 << QVariant() << "SW9\r\n";
        QTest::newRow("start") << 98 << QVariant(5) << "Sx6\r\n";
        QTest::newRow("stop") << 99 << QVariant() << "Sx7\r\n";
        QTest::newRow("drying time") << 105 << QVariant(3723) << "Su53723\r\n";
        QTest::newRow("negative") << 100 << QVariant(-5) << "Su0-5\r\n";
        QTest::newRow("no argument") << 100 << QVariant() << "Su00\r\n";
        QTest::newRow("slot to current") << 108 << QVariant(1) << "Su81\r\n";
        QTest::newRow("load ignores argument") << 110 << QVariant(42) << "Sd0\r\n";
        QTest::newRow("load profile") << 116 << QVariant() << "Sd6\r\n";
        QTest::newRow("slow time") << 117 << QVariant(600) << "Sp0600\r\n";
        QTest::newRow("fast temperature") << 123 << QVariant(160) << "Sp6160\r\n";
        QTest::newRow("load slow time") << 124 << QVariant() << "Sv0\r\n";
        QTest::newRow("load fast temperature") << 130 << QVariant() << "Sv6\r\n";
    }
    void wireText()
    {
        QFETCH(int, code);
        QFETCH(QVariant, arg);
        QFETCH(QString, text);
        auto cmd = make(code, arg);
        QVERIFY(cmd);
        QCOMPARE(cmd->parent(), nullptr);
        QCOMPARE(cmd->text(), text);
    }

    void codesWithoutCommand()
    {
        for (int code : {-1, 0, 34, 37, 97, 109, 131, 1000})
            QVERIFY2(!make(code), qPrintable(QString::number(code)));
        QCOMPARE(wireMnemonic(98), QString());
        QCOMPARE(wireMnemonic(109), QString());
        QCOMPARE(wireMnemonic(108), QStringLiteral("Su8"));
        QCOMPARE(wireMnemonic(116), QStringLiteral("Sd6"));
    }

    void classes()
    {
        QVERIFY(qobject_cast<CommandGetParam*>(make(110).get())->isDouble());
        QVERIFY(!qobject_cast<CommandGetParam*>(make(111).get())->isDouble());
        QVERIFY(qobject_cast<CommandSetInt*>(make(107).get()));
        QVERIFY(qobject_cast<CommandSx6*>(make(98).get()));
        QVERIFY(qobject_cast<CommandSx7*>(make(99).get()));
        QVERIFY(qobject_cast<Common::Communication::CommandSW9*>(make(36).get()));

        CommandCreator creator;
        const CommandRequest info = creator.deviceInfoRequest();
        QCOMPARE(info.code, 36);
        QVERIFY(!info.argument.isValid());
        std::unique_ptr<Command> echo(creator.createEcho());
        QVERIFY(creator.isEcho(echo.get()));
        QVERIFY(creator.isEcho(make(35).get()));
        QVERIFY(!creator.isEcho(make(99).get()));
        QVERIFY(!creator.isEcho(nullptr));
    }

    // The keep-alive echo leaves other lines to the line parser and waits
    // for "MJ"; the echo of code 35 fails on the first foreign line.
    void echoes()
    {
        CommandCreator creator;
        std::unique_ptr<Command> keepAlive(creator.createEcho());
        QVERIFY(!keepAlive->handleLine(QStringLiteral("12.345 g")));
        QVERIFY(!keepAlive->handleLine(QStringLiteral("SK0")));
        QVERIFY(!keepAlive->isFinished());
        QVERIFY(keepAlive->handleLine(QStringLiteral("MJ")));
        QVERIFY(keepAlive->isFinished());
        QCOMPARE(keepAlive->status(), 1);

        auto probe = make(35);
        QVERIFY(!probe->handleLine(QStringLiteral("12.345 g")));
        QVERIFY(probe->isFinished());
        QCOMPARE(probe->status(), 2);
    }

    void getParamReply_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("consumed");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("temperature decimal") << 110 << " 105.6 " << true << QVariant(105.6);
        QTest::newRow("temperature integer") << 110 << "100" << true << QVariant(100.0);
        QTest::newRow("temperature letters") << 110 << "abc" << false << QVariant(0.0);
        QTest::newRow("temperature inf") << 110 << "inf" << false << QVariant(0.0);
        QTest::newRow("temperature nan") << 110 << "nan" << false << QVariant(0.0);
        QTest::newRow("integer") << 114 << "\t30 " << true << QVariant(30);
        QTest::newRow("negative") << 127 << "-7" << true << QVariant(-7);
        QTest::newRow("integer with decimals") << 113 << "3.5" << false << QVariant(0);
        QTest::newRow("empty") << 113 << "" << false << QVariant(0);
        QTest::newRow("echo reply") << 111 << "MQ" << false << QVariant(0);
    }
    void getParamReply()
    {
        QFETCH(int, code);
        QFETCH(QString, line);
        QFETCH(bool, consumed);
        QFETCH(QVariant, value);
        auto cmd = make(code);
        auto get = qobject_cast<CommandGetParam*>(cmd.get());
        QCOMPARE(get->handleLine(line), consumed);
        QCOMPARE(get->isFinished(), consumed);
        QCOMPARE(get->value(), value);
        if (consumed) {
            QCOMPARE(get->status(), 1);
            // A finished command takes no further line.
            QVERIFY(!get->handleLine(QStringLiteral("1")));
        }
    }

    void setIntReply()
    {
        for (const QString& wrong : {QStringLiteral("mq"), QStringLiteral("MQ "),
                                     QStringLiteral(" MQ"), QStringLiteral("12.0 g"), QString()}) {
            auto cmd = make(104, 30);
            QVERIFY2(!cmd->handleLine(wrong), qPrintable(wrong));
            QVERIFY(!cmd->isFinished());
        }
        auto cmd = make(104, 30);
        QVERIFY(cmd->handleLine(QStringLiteral("MQ")));
        QVERIFY(cmd->isFinished());
        QCOMPARE(cmd->status(), 1);
        QVERIFY(!cmd->handleLine(QStringLiteral("MQ")));
    }

    void startBlockCollection()
    {
        CommandSx6 cmd;
        QVERIFY(!cmd.handleLine(QStringLiteral("SK0")));
        QVERIFY(!cmd.handleLine(QStringLiteral("ss0")));
        QVERIFY(cmd.handleLine(QStringLiteral("SS0")));
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!cmd.isFinished());
            QVERIFY(cmd.handleLine(i == 0 ? QStringLiteral("SK0") : QStringLiteral("x")));
        }
        QVERIFY(cmd.isFinished());
        QVERIFY(!cmd.handleLine(QStringLiteral("SS0")));

        cmd.reset();
        QVERIFY(!cmd.isFinished());
        QCOMPARE(cmd.interval(), 0);
        QVERIFY(!cmd.handleLine(QStringLiteral("x")));
        QVERIFY(cmd.handleLine(QStringLiteral("SS0")));
    }

    void interval_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("interval");
        QTest::newRow("spaced s") << "s 5 s" << 5;
        QTest::newRow("unit s") << "5s" << 5;
        QTest::newRow("ten seconds") << "10 s" << 10;
        QTest::newRow("upper S") << "S5" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
    }
    void interval()
    {
        QFETCH(QString, line);
        QFETCH(int, interval);
        auto cmd = block({"SS0", "a", "b", "c", line, "0.5 g"});
        QCOMPARE(cmd->interval(), interval);
        // A block cut short has no interval.
        QCOMPARE(block({"SS0", "a", "b", "c", line})->interval(), 0);
    }

    void massCheck_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<float>("value");
        QTest::newRow("0.0199") << "0.0199 g" << false << 0.0199f;
        QTest::newRow("exactly 0.02") << "0.02 g" << false << 0.02f;
        QTest::newRow("0.0201") << "0.0201 g" << true << 0.0201f;
        QTest::newRow("0.5") << "0.500\tg" << true << 0.5f;
        QTest::newRow("negative") << "-3 g" << false << -3.0f;
        QTest::newRow("not a number") << "xyz g" << false << 0.0f;
        QTest::newRow("inf") << "inf g" << false << 0.0f;
    }
    void massCheck()
    {
        QFETCH(QString, line);
        QFETCH(bool, ok);
        QFETCH(float, value);
        auto cmd = block({"SS0", "a", "b", "c", "10 s", line});
        QVERIFY(cmd->isFinished());
        QCOMPARE(cmd->massOk(), ok);
        QCOMPARE(cmd->initialMeasurement().value, value);
    }

    void unfinishedBlockHasNoMass()
    {
        auto cmd = block({"SS0", "a", "b", "c", "10 s"});
        QVERIFY(!cmd->massOk());
        QCOMPARE(cmd->initialMeasurement(), Measurement());
    }

    void stopCommand()
    {
        auto cmd = make(99);
        QVERIFY(!cmd->isFinished());
        cmd->onSent();
        QVERIFY(cmd->isFinished());
        QCOMPARE(cmd->status(), 1);
        QVERIFY(!cmd->handleLine(QStringLiteral("SK1")));
    }

    void descriptions()
    {
        KD::CommandsDescProvider provider;
        QCOMPARE(provider.description(35), QStringLiteral("Echo"));
        QCOMPARE(provider.description(113), QStringLiteral("Load qualifying samples count"));
        QCOMPARE(provider.description(123),
                 QStringLiteral("Set fast profile parameter: temperature"));
        for (int code = 98; code <= 130; ++code)
            QCOMPARE(provider.description(code).isEmpty(), code == 109);
        QVERIFY(provider.description(37).isEmpty());
        QVERIFY(provider.description(131).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
