#include "drying/Context.h"
#include "drying/ContextHandler.h"
#include "drying/ContextInfo.h"
#include "drying/ContextPersistence.h"
#include "drying/ContextValue.h"
#include "drying/DefaultValProvider.h"
#include "drying/TemplatedCheckedValuesHandler.h"
#include "tests/support/ScopedTestSettings.h"

#include <QSettings>
#include <QtTest>

using namespace KD::Drying::RunContext;
using Common::RunContext::ContextPersistence;

namespace {

using CheckedHandler = Common::RunContext::TemplatedCheckedValuesHandler<
    ContextValue, Common::RunContext::ValueIntConverter<ContextValue>>;

// One context with its handlers, as the run context service holds it.
struct Loaded
{
    Context context;
    QSet<int> checked;
    ContextHandler handler{&context};
    CheckedHandler checkedHandler{&checked};
    ContextInfo info;

    void load()
    {
        const DefaultValProvider defaults;
        ContextPersistence::load(checkedHandler, handler, info, &defaults);
    }
    void save() { ContextPersistence::save(checkedHandler, handler, info); }
};

} // namespace

class TestRunContextPersistence : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_settings.clear(); }
    void firstStartGivesDefaults();
    void savedStateSurvivesARestart();
    void existingGroupsSuppressDefaults();
    void saveReplacesBothGroups();

private:
    ScopedTestSettings m_settings;
};

void TestRunContextPersistence::firstStartGivesDefaults()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    Loaded run;
    run.load();
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    QCOMPARE(run.checked, QSet<int>({Author, Title, Plot, Data}));
    QCOMPARE(run.context.author, QStringLiteral("Author"));
    QCOMPARE(run.context.product, QStringLiteral("Product"));
    QCOMPARE(run.context.footer, QStringLiteral("Footer"));
    const QDateTime loaded(run.context.date, run.context.time);
    QVERIFY(loaded >= before && loaded <= after);
    // Loading writes nothing: a first start that is never confirmed stays first.
    QVERIFY(QSettings().childGroups().isEmpty());
}

void TestRunContextPersistence::savedStateSurvivesARestart()
{
    const QString typed = QStringLiteral("Zażółć <b>gęślą</b>\njaźń\t\\ ; = [x]");
    {
        Loaded run;
        run.load();
        run.context.author = typed;
        run.context.summary = QString();
        run.context.title = QStringLiteral("  one, two  ");
        run.context.header = QStringLiteral("@Invalid()");
        run.context.footer = QStringLiteral("true");
        run.context.date = QDate(2001, 2, 3);
        run.context.samples = 12;
        run.checked = {Product, SamplesCount, EndTime};
        run.save();
    }
    Loaded restarted;
    restarted.load();
    QCOMPARE(restarted.context.author, typed);
    QCOMPARE(restarted.context.summary, QString()); // an emptied text stays empty
    // Texts that look like lists, typed values or padding come back as typed.
    QCOMPARE(restarted.context.title, QStringLiteral("  one, two  "));
    QCOMPARE(restarted.context.header, QStringLiteral("@Invalid()"));
    QCOMPARE(restarted.context.footer, QStringLiteral("true"));
    QCOMPARE(restarted.context.product, QStringLiteral("Product"));
    QCOMPARE(restarted.context.date, QDate::currentDate()); // never stored
    QCOMPARE(restarted.context.samples, 0u);
    QCOMPARE(restarted.checked, QSet<int>({Product, SamplesCount, EndTime}));
}

void TestRunContextPersistence::existingGroupsSuppressDefaults()
{
    {
        QSettings settings;
        ContextInfo info;
        for (int id : info.allIds())
            settings.setValue(QStringLiteral("RunCtxPdf/") + info.settingsKey(id), false);
        settings.setValue(QStringLiteral("RunCtxValues/Author"), QStringLiteral("Ann"));
        settings.setValue(QStringLiteral("RunCtxValues/Date"), QStringLiteral("01-01-2000"));
        settings.setValue(QStringLiteral("RunCtxValues/SamplesCnt"), QStringLiteral("9"));
    }
    Loaded run;
    run.context.date = QDate(2010, 10, 10); // a date already held is kept
    run.load();
    QVERIFY(run.checked.isEmpty());
    QCOMPARE(run.context.author, QStringLiteral("Ann"));
    QCOMPARE(run.context.title, QString());
    QCOMPARE(run.context.product, QString());
    QCOMPARE(run.context.date, QDate(2010, 10, 10));
    QCOMPARE(run.context.samples, 0u);
}

void TestRunContextPersistence::saveReplacesBothGroups()
{
    QSettings().setValue(QStringLiteral("RunCtxValues/Date"), QStringLiteral("stray"));
    QSettings().setValue(QStringLiteral("RunCtxPdf/Old"), true);
    Loaded run;
    run.load();
    run.checked = {Data};
    run.save();

    QSettings settings;
    settings.beginGroup(QStringLiteral("RunCtxValues"));
    QCOMPARE(settings.childKeys().size(), 7);
    QVERIFY(!settings.contains(QStringLiteral("Date")));
    settings.endGroup();
    settings.beginGroup(QStringLiteral("RunCtxPdf"));
    QCOMPARE(settings.childKeys().size(), 17);
    QCOMPARE(settings.value(QStringLiteral("Data")).toBool(), true);
    QCOMPARE(settings.value(QStringLiteral("Author")).toBool(), false);
    QVERIFY(settings.contains(QStringLiteral("EndTime")));
}

QTEST_GUILESS_MAIN(TestRunContextPersistence)
#include "tst_runcontextpersistence.moc"
