#include "analyzer/CommandCreator.h"
#include "analyzer/CommandGetParam.h"
#include "analyzer/CommandSx6.h"
#include "analyzer/DryerLineParser.h"
#include "analyzer/KDCommandHandler.h"

#include <QtTest>
#include <memory>

using namespace KD::Communication;

namespace {
Measurement measured(float value, const QString& unit)
{
    Measurement m;
    m.value = value;
    m.unit = unit;
    m.flag = QLatin1Char('?');
    return m;
}
} // namespace

class TestLineParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerMeasurementType(); }

    void measurementLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("consumed");
        QTest::addColumn<Measurement>("m");
        QTest::newRow("number and unit") << "12.345 g" << true << measured(12.345f, "g");
        QTest::newRow("tab") << "12.345\tg" << true << measured(12.345f, "g");
        QTest::newRow("padding") << "  \t12.345   g \t" << true << measured(12.345f, "g");
        QTest::newRow("number only") << "12.345" << true << measured(12.345f, QString());
        QTest::newRow("third word ignored") << "1.5 g stable" << true << measured(1.5f, "g");
        QTest::newRow("negative") << "-0.004 g" << true << measured(-0.004f, "g");
        QTest::newRow("empty") << "" << false << Measurement();
        QTest::newRow("spaces") << "   " << false << Measurement();
        QTest::newRow("letters") << "abc g" << false << Measurement();
        QTest::newRow("inf") << "inf g" << false << Measurement();
        QTest::newRow("nan") << "nan" << false << Measurement();
        QTest::newRow("lower-case stop") << "sk1" << false << Measurement();
        QTest::newRow("stop with blank") << "SK1 " << false << Measurement();
    }
    void measurementLines()
    {
        QFETCH(QString, line);
        QFETCH(bool, consumed);
        QFETCH(Measurement, m);
        DryerLineParser parser;
        QSignalSpy records(&parser, &DryerLineParser::recordAppeared);
        QSignalSpy stops(&parser, &DryerLineParser::dryingStop);
        QCOMPARE(parser.handleLine(line), consumed);
        QCOMPARE(records.count(), consumed ? 1 : 0);
        if (consumed)
            QCOMPARE(records.at(0).at(0).value<Measurement>(), m);
        QCOMPARE(stops.count(), 0);
    }

    void stopLines()
    {
        DryerLineParser parser;
        QSignalSpy stops(&parser, &DryerLineParser::dryingStop);
        QVERIFY(parser.handleLine(QStringLiteral("SK0")));
        QVERIFY(parser.handleLine(QStringLiteral("SK1")));
        QCOMPARE(stops.count(), 2);
    }

    // A block from the analyzer's keyboard: every line is the block's, even
    // those that look like stops or measurements.
    void startBlock_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("massOk");
        QTest::addColumn<int>("interval");
        QTest::addColumn<float>("mass");
        QTest::newRow("ten seconds")
            << QStringList{"SS0", "abc", "def", "ghi", "10 s", "0.500 g"} << true << 10 << 0.5f;
        QTest::newRow("stop inside")
            << QStringList{"SS0", "SK0", "1.0 g", "x", "5s", "2 g"} << true << 5 << 2.0f;
        QTest::newRow("mass too small")
            << QStringList{"SS0", "a", "b", "c", "3 s", "0.02 g"} << false << 3 << 0.02f;
    }
    void startBlock()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, massOk);
        QFETCH(int, interval);
        QFETCH(float, mass);
        DryerLineParser parser;
        QSignalSpy starts(&parser, &DryerLineParser::dryingStart);
        QSignalSpy records(&parser, &DryerLineParser::recordAppeared);
        QSignalSpy stops(&parser, &DryerLineParser::dryingStop);
        for (const QString& line : lines)
            QVERIFY(parser.handleLine(line));
        QCOMPARE(starts.count(), 1);
        QCOMPARE(starts.at(0).at(0).toBool(), massOk);
        QCOMPARE(starts.at(0).at(1).value<Measurement>().value, mass);
        QCOMPARE(starts.at(0).at(2).toInt(), interval);
        QCOMPARE(records.count(), 0);
        QCOMPARE(stops.count(), 0);

        // After the block the parser is back to ordinary lines.
        QVERIFY(parser.handleLine(QStringLiteral("0.4 g")));
        QCOMPARE(records.count(), 1);
        QVERIFY(!parser.handleLine(QStringLiteral("junk")));
        QVERIFY(parser.handleLine(QStringLiteral("SK1")));
        QCOMPARE(stops.count(), 1);
    }

    // A block cut short stays open: the next lines fill it.
    void blockCutShort()
    {
        DryerLineParser parser;
        QSignalSpy starts(&parser, &DryerLineParser::dryingStart);
        for (const char* line : {"SS0", "a", "b"})
            QVERIFY(parser.handleLine(QString::fromLatin1(line)));
        for (const char* line : {"SS0", "7 s", "1 g"})
            QVERIFY(parser.handleLine(QString::fromLatin1(line)));
        QCOMPARE(starts.count(), 1);
        QCOMPARE(starts.at(0).at(2).toInt(), 7);
    }

    void handlerOutcomes()
    {
        KDCommandHandler handler;
        QSignalSpy finished(&handler, &KDCommandHandler::commandFinished);

        std::unique_ptr<Common::Communication::Command> set(CommandCreator::createByCode(100));
        handler.onCommandOk(set.get(), 100);
        std::unique_ptr<Common::Communication::Command> load(CommandCreator::createByCode(110));
        QVERIFY(load->handleLine(QStringLiteral("105.6")));
        handler.onCommandOk(load.get(), 110);
        std::unique_ptr<Common::Communication::Command> samples(CommandCreator::createByCode(113));
        handler.onFailed(samples.get(), 113, 3);
        handler.onSendFailed(nullptr, 98);
        handler.onAborted(98);
        handler.onCommandOk(nullptr, 99);

        QCOMPARE(finished.count(), 6);
        const QList<QList<QVariant>> expected = {{1, 100, QVariant()}, {1, 110, QVariant(105.6)},
                                                 {3, 113, QVariant()}, {2, 98, QVariant()},
                                                 {2, 98, QVariant()},  {1, 99, QVariant()}};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(finished.at(i), expected.at(i));
        QCOMPARE(finished.at(1).at(2).userType(), int(QMetaType::Double));
    }

    void handlerStart_data()
    {
        QTest::addColumn<QString>("massLine");
        QTest::addColumn<bool>("massOk");
        QTest::newRow("enough") << "0.500 g" << true;
        QTest::newRow("too small") << "0.010 g" << false;
    }
    void handlerStart()
    {
        QFETCH(QString, massLine);
        QFETCH(bool, massOk);
        KDCommandHandler handler;
        QSignalSpy finished(&handler, &KDCommandHandler::commandFinished);
        QSignalSpy starts(&handler, &KDCommandHandler::dryingStart);
        QSignalSpy records(&handler, &KDCommandHandler::recordAppeared);

        CommandSx6 cmd;
        for (const QString& line : {QStringLiteral("SS0"), QStringLiteral("a"), QStringLiteral("b"),
                                    QStringLiteral("c"), QStringLiteral("10 s"), massLine})
            QVERIFY(cmd.handleLine(line));
        handler.onCommandOk(&cmd, 98);

        QCOMPARE(finished.count(), 0);
        QCOMPARE(starts.count(), 1);
        QCOMPARE(starts.at(0).at(0).toBool(), massOk);
        QCOMPARE(starts.at(0).at(1).toInt(), 10);
        QCOMPARE(records.count(), massOk ? 1 : 0);
        if (massOk)
            QCOMPARE(records.at(0).at(0).value<Measurement>(), measured(0.5f, "g"));
    }
};

QTEST_GUILESS_MAIN(TestLineParser)
#include "tst_lineparser.moc"
