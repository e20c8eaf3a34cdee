#include "drying/StringCalcFormulaHandler.h"
#include "drying/StringDoubleHandler.h"
#include "drying/StringFormatHandler.h"
#include "drying/StringUIntHandler.h"
#include "drying/VariantCalcFormulaHandler.h"
#include "drying/VariantStringComboHandler.h"
#include "drying/VariantTemplatedHandler.h"

#include <QtTest>

using namespace Common::DataHandlers;

class TestDataHandlers : public QObject
{
    Q_OBJECT

private slots:
    void numbersChangeOnlyOnSuccess_data();
    void numbersChangeOnlyOnSuccess();
    void formatsParseOrInvalidate();
    void variantTypeIsCheckedFirst();
    void formulaFromName();
    void comboHandlerFormatsTextDateAndTime();
};

void TestDataHandlers::numbersChangeOnlyOnSuccess_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("decimal") << "42" << true;
    QTest::newRow("negative") << "-3" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("trailing letters") << "12a" << false;
    QTest::newRow("too large") << "4294967296" << false;
}

void TestDataHandlers::numbersChangeOnlyOnSuccess()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    unsigned int samples = 7;
    StringUIntHandler(&samples).set(text);
    QCOMPARE(samples, accepted ? text.toUInt() : 7u);

    double mass = 1.5;
    StringDoubleHandler doubles(&mass);
    doubles.set(QStringLiteral("2.25"));
    QCOMPARE(mass, 2.25);
    doubles.set(QStringLiteral("2,5")); // the file's numbers use a point
    QCOMPARE(mass, 2.25);
    doubles.set(QString());
    QCOMPARE(mass, 2.25);
}

void TestDataHandlers::formatsParseOrInvalidate()
{
    QDate date(2024, 1, 1);
    StringDateHandler dates(&date, QStringLiteral("dd-MM-yyyy"));
    dates.set(QStringLiteral("05-03-2024"));
    QCOMPARE(date, QDate(2024, 3, 5));
    dates.set(QStringLiteral("2024-03-05"));
    QVERIFY(!date.isValid());

    QDateTime when;
    StringDateTimeHandler(&when, QStringLiteral("hh:mm:ss dd-MM-yyyy"))
        .set(QStringLiteral("13:04:05 05-03-2024"));
    QCOMPARE(when, QDateTime(QDate(2024, 3, 5), QTime(13, 4, 5)));

    QTime time(1, 2, 3);
    StringTimeHandler(&time, QStringLiteral("hh:mm:ss")).set(QStringLiteral("25:00:00"));
    QVERIFY(!time.isValid());
}

void TestDataHandlers::variantTypeIsCheckedFirst()
{
    QDate date(2024, 1, 1);
    VariantDateHandler dates(&date);
    dates.set(QStringLiteral("05-03-2024")); // a well-formed text is still the wrong type
    QCOMPARE(date, QDate(2024, 1, 1));
    dates.set(QDate(2025, 2, 3));
    QCOMPARE(date, QDate(2025, 2, 3));

    double mass = 3.0;
    VariantDoubleHandler doubles(&mass);
    doubles.set(QStringLiteral("4.5"));
    doubles.set(4); // an int is not a double either
    QCOMPARE(mass, 3.0);
    doubles.set(4.5);
    QCOMPARE(mass, 4.5);

    unsigned int count = 1;
    VariantUIntHandler counts(&count);
    counts.set(-5);
    counts.set(9.0);
    QCOMPARE(count, 1u);
    counts.set(9u);
    QCOMPARE(count, 9u);

    QString text = QStringLiteral("kept");
    VariantStringHandler(&text).set(QDate(2024, 1, 1));
    QCOMPARE(text, QStringLiteral("kept"));
}

void TestDataHandlers::formulaFromName()
{
    int formula = 2;
    KD::DataHandlers::VariantCalcFormulaHandler variants(&formula);
    variants.set(QStringLiteral("(m0-mn)/mn"));
    QCOMPARE(formula, 1);
    variants.set(1); // not a text: nothing happens
    QCOMPARE(formula, 1);
    variants.set(QStringLiteral("(m0-mn)/mn *100%")); // no formula name
    QCOMPARE(formula, 0);

    KD::DataHandlers::StringCalcFormulaHandler texts(&formula);
    texts.set(QStringLiteral("(mn/m0)"));
    QCOMPARE(formula, 2);
    texts.set(QStringLiteral("whatever"));
    QCOMPARE(formula, 0);
}

void TestDataHandlers::comboHandlerFormatsTextDateAndTime()
{
    VariantStringComboHandler combo(QStringLiteral("hh:mm:ss"), QStringLiteral("dd-MM-yyyy"),
                                    QStringLiteral("hh:mm:ss dd-MM-yyyy"));
    combo.set(QStringLiteral("no target yet")); // must not crash

    QString target;
    QVERIFY(target.isNull());
    combo.setTarget(&target);
    combo.set(QStringLiteral("a\tb"));
    QCOMPARE(target, QStringLiteral("a\tb"));
    combo.set(QDate(2024, 3, 5));
    QCOMPARE(target, QStringLiteral("05-03-2024"));
    combo.set(QTime(7, 5, 9));
    QCOMPARE(target, QStringLiteral("07:05:09"));
    combo.set(QDateTime(QDate(2024, 3, 5), QTime(1, 2, 3)));
    combo.set(12.5);
    QCOMPARE(target, QStringLiteral("07:05:09"));
}

QTEST_GUILESS_MAIN(TestDataHandlers)
#include "tst_datahandlers.moc"
