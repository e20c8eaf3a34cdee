#include "analyzer/ErrorToStr.h"
#include "analyzer/OperationError.h"
#include "resources/Resources.h"

#include <QTranslator>
#include <QtTest>

using KD::OperationError;
using KD::Communication::ErrorToStr;

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void report_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("tail");

        const QString head = "An error ocurred!<br><br>Operation:<br><tt>";
        QTest::newRow("nothing") << 0 << 0 << 0 << head + "</tt>";
        QTest::newRow("loader time-out")
            << 2 << 0 << 113
            << head
                   + "Reading current settings</tt><br><br>Failed command: <br><tt>SD3</tt>"
                     "<br><br>Command description: <br>Load qualifying samples count";
        QTest::newRow("mass too small") << 8 << 7 << 0
                                        << head
                                               + "Drying process start</tt><br><br>Reason:<br><tt>"
                                                 "Mass is too small. Cannot start drying.</tt>";
        QTest::newRow("slot writer moving")
            << 3 << 5 << 107
            << head
                   + "Writing to slot</tt><br><br>Step:<br><tt>Moving settings to slot</tt>"
                     "<br><br>Failed command: <br><tt>SU7</tt><br><br>Command description: <br>"
                     "Write to memory slot";
        // A compound operation is never a step: the step line stays empty.
        QTest::newRow("step without text")
            << 4 << 3 << 0 << head + "Reading from slot</tt><br><br>Step:<br><tt></tt>";
        QTest::newRow("echo")
            << 1 << 0 << 35
            << head
                   + "Writing current settings</tt><br><br>Failed command: <br><tt></tt>"
                     "<br><br>Command description: <br>Echo";
        QTest::newRow("start command")
            << 8 << 0 << 98
            << head
                   + "Drying process start</tt><br><br>Failed command: <br><tt>SX6</tt>"
                     "<br><br>Command description: <br>Start drying";
        QTest::newRow("stop command")
            << 9 << 0 << 99
            << head
                   + "Drying process stop</tt><br><br>Failed command: <br><tt>SX7</tt>"
                     "<br><br>Command description: <br>Stop drying";
        QTest::newRow("profile loader")
            << 4 << 2 << 130
            << head
                   + "Reading from slot</tt><br><br>Step:<br><tt>Reading current settings</tt>"
                     "<br><br>Failed command: <br><tt>SV6</tt><br><br>Command description: <br>"
                     "Load fast profile parameter: temperature";
        QTest::newRow("unknown code")
            << 42 << 0 << 109 << head + "</tt><br><br>Failed command: <br><tt></tt>";
    }

    void report()
    {
        QFETCH(int, operation);
        QFETCH(int, step);
        QFETCH(int, command);
        QFETCH(QString, tail);
        QCOMPARE(ErrorToStr().errorReport(OperationError(operation, step, command)), tail);
    }

    // Every part of the report, the command description too, is looked up
    // in the current language; the HTML and the mnemonic stay as they are.
    void reportInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("polish")
            << QString("polish")
            << QString(
                   "Wystąpił błąd!<br><br>Operacja:<br><tt>Zapis do komórki pamięci</tt><br><br>Krok:<br>"
                   "<tt>Przenoszenie ustawień do komórki pamięci</tt><br><br>Nieudane polecenie: <br>"
                   "<tt>SU7</tt><br><br>Opis polecenia: <br>Zapisz do komórki pamięci");
        QTest::newRow("english")
            << QString("english")
            << QString(
                   "An error ocurred!<br><br>Operation:<br><tt>Writing to slot</tt><br><br>Step:<br>"
                   "<tt>Moving settings to slot</tt><br><br>Failed command: <br><tt>SU7</tt>"
                   "<br><br>Command description: <br>Write to memory slot");
    }

    void reportInEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, expected);
        initSorvanaResources();
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/" + language + ".qm"));
        QCoreApplication::installTranslator(&translator);
        const QString report = ErrorToStr().errorReport(OperationError(3, 5, 107));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(report, expected);
    }
};

QTEST_GUILESS_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
