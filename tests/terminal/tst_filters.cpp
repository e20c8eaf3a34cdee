#include "resources/Resources.h"
#include "terminal/BoolFilter.h"
#include "terminal/DateFilter.h"
#include "terminal/DoubleFilter.h"
#include "terminal/EnumFilter.h"
#include "terminal/FilterModeTexts.h"
#include "terminal/FloatFilter.h"
#include "terminal/Int32Filter.h"
#include "terminal/NFiltersTrProvider.h"
#include "terminal/StringFilter.h"
#include "terminal/TimeFilter.h"
#include "terminal/Uint32Filter.h"

#include <QTranslator>
#include <QtTest>

#include <limits>
#include <memory>

using namespace Common::Filters;

class TestFilters : public QObject
{
    Q_OBJECT

private slots:
    void invalidValueFailsEveryPredicate()
    {
        EnumFilter notEqual;
        notEqual.setEquals(false);
        notEqual.setText(QStringLiteral("IN"));
        StringFilter emptyPattern(0);
        BoolFilter boolFilter;
        DateFilter date(Between);
        TimeFilter time(Between);
        DoubleFilter number(Between, -1e9, 1e9);
        const std::vector<const IFilter*> all{&notEqual, &emptyPattern, &boolFilter,
                                              &date,     &time,         &number};
        for (const IFilter* f : all)
            QVERIFY(!f->test(QVariant()));
    }

    void text_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("accepted");

        const QVariant empty = QString();
        for (int mode : {0, 1, 2, 3, 7, -1})
            QTest::addRow("empty value, empty pattern, mode %d", mode)
                << mode << QString() << empty << true;
        for (int mode : {0, 1, 2})
            QTest::addRow("empty pattern in text, mode %d", mode)
                << mode << QString() << QVariant("SZ") << true;
        QTest::newRow("empty pattern not equal to text")
            << 3 << QString() << QVariant("SZ") << false;
        for (int mode : {0, 1, 2, 3})
            QTest::addRow("pattern, empty value, mode %d", mode) << mode << "a" << empty << false;
        QTest::newRow("starts with") << 0 << "SZ" << QVariant("SZ1\r\n") << true;
        QTest::newRow("starts with is case-sensitive") << 0 << "s" << QVariant("SZ") << false;
        QTest::newRow("ends with") << 1 << "g" << QVariant("12.5 g") << true;
        QTest::newRow("ends with misses") << 1 << "12" << QVariant("12.5 g") << false;
        QTest::newRow("contains") << 2 << ".5" << QVariant("12.5 g") << true;
        QTest::newRow("contains is case-sensitive") << 2 << "G" << QVariant("12.5 g") << false;
        QTest::newRow("equal") << 3 << "OUT" << QVariant("OUT") << true;
        QTest::newRow("equal whole text only") << 3 << "OUT" << QVariant("OUT ") << false;
        QTest::newRow("unknown mode") << 4 << "a" << QVariant("a") << false;
        QTest::newRow("number as text") << 0 << "12" << QVariant(12.5) << true;
    }

    void text()
    {
        QFETCH(int, mode);
        QFETCH(QString, pattern);
        QFETCH(QVariant, value);
        StringFilter f(mode);
        f.setPattern(pattern);
        QTEST(f.test(value), "accepted");
    }

    // Shared table for the ordered predicates: from=10, to=20.
    void ordered_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("between, inside") << 0 << 15 << true;
        QTest::newRow("between, lower end inclusive") << 0 << 10 << true;
        QTest::newRow("between, upper end inclusive") << 0 << 20 << true;
        QTest::newRow("between, outside") << 0 << 21 << false;
        QTest::newRow("lower, equal to from is strict") << 1 << 10 << false;
        QTest::newRow("lower") << 1 << 9 << true;
        QTest::newRow("lower ignores to") << 1 << 25 << false;
        QTest::newRow("greater") << 2 << 11 << true;
        QTest::newRow("greater, equal to from is strict") << 2 << 10 << false;
        QTest::newRow("equal") << 3 << 10 << true;
        QTest::newRow("equal ignores to") << 3 << 20 << false;
        QTest::newRow("unknown mode") << 4 << 15 << false;
        QTest::newRow("negative mode") << -1 << 10 << false;
    }

    void ordered()
    {
        QFETCH(int, mode);
        QFETCH(int, value);
        QFETCH(bool, accepted);

        const QDate day0(2026, 12, 1);
        DateFilter date(mode);
        date.setFrom(day0.addDays(10));
        date.setTo(day0.addDays(20));
        QCOMPARE(date.test(day0.addDays(value)), accepted);

        const QTime t0(9, 0);
        TimeFilter time(mode);
        time.setFrom(t0.addMSecs(10));
        time.setTo(t0.addMSecs(20));
        QCOMPARE(time.test(t0.addMSecs(value)), accepted);

        QCOMPARE(Int32Filter(mode, 10, 20).test(value), accepted);
        QCOMPARE(Uint32Filter(mode, 10u, 20u).test(value), accepted);
        QCOMPARE(DoubleFilter(mode, 1.0, 2.0).test(value / 10.0), accepted);
        QCOMPARE(FloatFilter(mode, 10.0f, 20.0f).test(double(value)), accepted);
    }

    void betweenWithReversedBoundsAcceptsNothing()
    {
        const Int32Filter reversed(Between, 20, 10);
        for (int v : {5, 10, 15, 20, 25})
            QVERIFY(!reversed.test(v));
        const Int32Filter single(Between, 7, 7);
        QVERIFY(single.test(7));
        QVERIFY(!single.test(6) && !single.test(8));
    }

    void numbersConvertInTheirOwnType()
    {
        // A text of 12.5 is no integer, but it is a double.
        QVERIFY(!Int32Filter(Between, 0, 100).test(QStringLiteral("12.5")));
        QVERIFY(DoubleFilter(Equal, 12.5).test(QStringLiteral("12.5")));
        QVERIFY(!DoubleFilter(Between, -1e9, 1e9).test(QStringLiteral("abc")));
        // Unsigned arithmetic: -1 does not convert, 4e9 does.
        QVERIFY(!Uint32Filter(Between, 0u, 10u).test(-1));
        QVERIFY(Uint32Filter(GreaterThan, 2147483648u).test(4000000000u));
        // Signed arithmetic: -5 is lower than 3.
        QVERIFY(Int32Filter(LowerThan, 3).test(-5));
        // NaN fails every mode.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (int mode : filterModes())
            QVERIFY(!DoubleFilter(mode, -1e300, 1e300).test(nan));
    }

    void timesCompareWithinOneDay()
    {
        TimeFilter f(Between);
        f.setFrom(QTime(23, 0));
        f.setTo(QTime(1, 0));
        QVERIFY(!f.test(QTime(23, 30)));
        QVERIFY(!f.test(QTime(0, 30)));
        QVERIFY(!f.test(QTime())); // invalid time
        DateFilter d(Equal);
        d.setFrom(QDate(2026, 1, 1));
        QVERIFY(!d.test(QStringLiteral("not a date")));
        QVERIFY(d.test(QStringLiteral("2026-01-01")));
    }

    void enumAndBool()
    {
        EnumFilter in;
        in.setText(QStringLiteral("IN"));
        QVERIFY(in.test(QStringLiteral("IN")));
        QVERIFY(!in.test(QStringLiteral("in")));
        QVERIFY(!in.test(QStringLiteral("OUT")));
        in.setEquals(false);
        QVERIFY(in.test(QStringLiteral("OUT")));
        QVERIFY(!in.test(QStringLiteral("IN")));

        BoolFilter no;
        QVERIFY(no.test(false));
        QVERIFY(!no.test(true));
        BoolFilter yes;
        yes.setValue(true);
        QVERIFY(yes.test(1));
        QVERIFY(yes.test(QStringLiteral("true")));
        QVERIFY(!yes.test(0));
    }

    void modeTexts()
    {
        QCOMPARE(stringModeText(0), int(TextStartsWith));
        QCOMPARE(stringModeText(1), int(TextEndsWith));
        QCOMPARE(stringModeText(2), int(TextContains));
        QCOMPARE(stringModeText(3), int(TextEqual));
        QCOMPARE(stringModeText(42), int(TextEqual));
        QCOMPARE(numberModeText(0, false), 6);
        QCOMPARE(numberModeText(1, false), 12);
        QCOMPARE(numberModeText(2, false), 11);
        QCOMPARE(numberModeText(1, true), 8);
        QCOMPARE(numberModeText(2, true), 7);
        QCOMPARE(numberModeText(3, true), 9);
        QCOMPARE(numberModeText(-1, false), 9);
        QCOMPARE(filterModes(), QVector<int>({0, 1, 2, 3}));
        QCOMPARE(modeForIndex(2), 2);
        QCOMPARE(modeForIndex(4), 3);
        QCOMPARE(modeForIndex(-1), 3);
    }

    void modeLabelsFollowLanguage()
    {
        NFiltersTrProvider texts;
        QCOMPARE(texts.text(numberModeText(1, true)), QStringLiteral("Earlier than"));
        QCOMPARE(texts.text(stringModeText(2)), QStringLiteral("Contains"));
        QCOMPARE(texts.text(TextNo), QStringLiteral("No"));
        QVERIFY(texts.text(15).isEmpty());
        QVERIFY(texts.text(-1).isEmpty());

        initSorvanaResources();
        QTranslator polish;
        QVERIFY(polish.load(QStringLiteral(":/i18n/polish.qm")));
        QCoreApplication::installTranslator(&polish);
        QCOMPARE(texts.text(TextGreaterThan), QStringLiteral("Większe niż"));
        QCOMPARE(texts.text(TextEarlierThan), QStringLiteral("Wcześniej niż"));
        QCoreApplication::removeTranslator(&polish);
    }
};

QTEST_GUILESS_MAIN(TestFilters)
#include "tst_filters.moc"
