#include "analyzer/SearchFilters.h"
#include "communication/CommandEchoSJ.h"
#include "communication/CommandSW9.h"
#include "tests/support/ScopedTestSettings.h"

#include <QSettings>
#include <QtTest>
#include <memory>

using Common::Communication::Command;

class TestDeviceFilters : public QObject
{
    Q_OBJECT

private:
    static QVector<int> ratesFor(const QString& saved)
    {
        ScopedTestSettings store;
        if (!saved.isNull())
            QSettings().setValue(QStringLiteral("SearchBaudrates/values"), saved);
        SearchFilters filters;
        filters.searchParameters()->setSelectableBaudRates(
            {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200});
        filters.searchParameters()->loadSearchBaudrates();
        return filters.deviceFilters()->baudRates();
    }

private slots:
    void baudRates_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QVector<int>>("rates");
        QTest::newRow("nothing saved")
            << QString() << QVector<int>{115200, 9600, 1200, 2400, 4800, 19200, 38400, 57600};
        QTest::newRow("both search rates saved")
            << "4800;9600;115200;" << QVector<int>{115200, 9600, 4800};
        // A search rate the user dropped is not put back.
        QTest::newRow("9600 dropped") << "115200;4800;" << QVector<int>{115200, 4800};
        QTest::newRow("garbage skipped") << "19200;abc;;4800;" << QVector<int>{4800, 19200};
        QTest::newRow("unreadable")
            << "x;y;" << QVector<int>{115200, 9600, 1200, 2400, 4800, 19200, 38400, 57600};
    }
    void baudRates()
    {
        QFETCH(QString, saved);
        QFETCH(QVector<int>, rates);
        QCOMPARE(ratesFor(saved), rates);
    }

    void serialSearchOnly()
    {
        SearchFilters filters;
        auto info = filters.deviceFilters();
        const auto options = info->searchOptions();
        const QVector<int> flags{options.unused1,   options.networkSearch, options.allowBluetooth,
                                 options.allowFtdi, options.allowTibbo,    options.allowOther,
                                 options.unused7};
        QCOMPARE(flags, (QVector<int>{1, 0, 0, 1, 0, 1, 1}));
        QCOMPARE(info->commandVariants(), QVector<int>{0});
        QCOMPARE(info->networkVariant(), -1);
        QVERIFY(info->stopOnFound(0));
        QVERIFY(!info->variantMajorOrder());
    }

    void probeCommands()
    {
        SearchFilters filters;
        auto creator = filters.deviceFilters()->commandCreator();
        std::unique_ptr<Command> info(creator->createInfoCommand(0));
        std::unique_ptr<Command> echo(creator->createEchoCommand(0));
        QVERIFY(qobject_cast<Common::Communication::CommandSW9*>(info.get()));
        QVERIFY(qobject_cast<Common::Communication::CommandEchoSJ*>(echo.get()));
        // The probe's echo keeps failing on the first foreign line.
        QVERIFY(!echo->handleLine(QStringLiteral("12.0 g")));
        QCOMPARE(echo->status(), 2);
        QVERIFY(!creator->createInfoCommand(1));
        QVERIFY(!creator->createEchoCommand(1));
        QVERIFY(!creator->createExtraCommand(0));
    }
};

QTEST_GUILESS_MAIN(TestDeviceFilters)
#include "tst_devicefilters.moc"
