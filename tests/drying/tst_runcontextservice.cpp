#include "drying/ContextValue.h"
#include "drying/ICheckedValuesHandler.h"
#include "drying/IDryingInfoGetter.h"
#include "drying/IRunContextHandler.h"
#include "drying/TdRunContext.h"
#include "drying/TdRunContextGetter.h"
#include "tests/support/ScopedTestSettings.h"

#include <QSettings>
#include <QtTest>

using namespace KD::Drying;
using namespace KD::Drying::RunContext;

namespace {

class FakeDryingInfo : public IDryingInfoGetter
{
public:
    DryingInfo info() const override { return summary; }
    DryingInfo summary;
};

DryingInfo someRun()
{
    DryingInfo run;
    run.formula = 1;
    run.start = QDateTime(QDate(2026, 12, 6), QTime(22, 0, 0));
    run.end = run.start.addSecs(3 * 3600);
    run.samplesCount = 10801;
    run.initialMass = 10.0;
    run.finalMass = 8.75;
    return run;
}

} // namespace

class TestRunContextService : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_settings.clear(); }
    void setupShowsTheRunAndSavesOnlyWhenConfirmed();
    void getterJoinsUserDataAndRunSummary();
    void userDataInAndOut();

private:
    ScopedTestSettings m_settings;
};

void TestRunContextService::setupShowsTheRunAndSavesOnlyWhenConfirmed()
{
    FakeDryingInfo run;
    run.summary = someRun();
    TdRunContext context(&run);
    context.load();
    QCOMPARE(context.checkedValues(), QSet<int>({Author, Title, Plot, Data}));

    bool confirm = false;
    QString shownSamples;
    context.setSetupRunner([&](Common::RunContext::ICheckedValuesHandler* checked,
                               Common::IRunContextHandler* values,
                               const Common::RunContext::IPdfTranslatorInfo*) {
        shownSamples = values->toString(SamplesCount);
        values->setString(Author, QStringLiteral("Ewa"));
        checked->setChecked(FinalMass, true);
        return confirm;
    });

    context.setup();
    QCOMPARE(shownSamples, QStringLiteral("10801"));
    // A cancelled dialog writes nothing to the settings.
    QVERIFY(QSettings().childGroups().isEmpty());

    confirm = true;
    context.setup();
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("RunCtxValues/Author")).toString(),
             QStringLiteral("Ewa"));
    QCOMPARE(settings.value(QStringLiteral("RunCtxPdf/MassFinal")).toBool(), true);

    TdRunContext restarted(&run);
    restarted.load();
    QCOMPARE(restarted.userData().author, QStringLiteral("Ewa"));
    QVERIFY(restarted.checkedValues().contains(FinalMass));
}

void TestRunContextService::getterJoinsUserDataAndRunSummary()
{
    FakeDryingInfo run;
    TdRunContext context(&run);
    context.load();
    TdRunContextGetter getter(&context, &run);

    Context empty = getter.get();
    QCOMPARE(empty.author, QStringLiteral("Author"));
    QVERIFY(empty.start.isNull());
    QCOMPARE(empty.samples, 0u);

    // The summary is read at the time of the call, without a set-up.
    run.summary = someRun();
    const Context full = getter.get();
    QCOMPARE(full.formula, 1);
    QCOMPARE(full.start, someRun().start);
    QCOMPARE(full.end, someRun().end);
    QCOMPARE(full.samples, 10801u);
    QCOMPARE(full.finalMass, 8.75);
    QCOMPARE(static_cast<const UserData&>(full), context.userData());
}

void TestRunContextService::userDataInAndOut()
{
    FakeDryingInfo run;
    run.summary = someRun();
    TdRunContext context(&run);
    context.load();

    UserData loaded;
    loaded.author = QStringLiteral("From file");
    loaded.date = QDate(2020, 2, 29);
    context.setUserData(loaded);
    QCOMPARE(context.userData(), loaded);

    // Run values are not part of the user data and come back from the run.
    QString formulaShown;
    context.setSetupRunner([&](Common::RunContext::ICheckedValuesHandler*,
                               Common::IRunContextHandler* values,
                               const Common::RunContext::IPdfTranslatorInfo*) {
        formulaShown = values->toString(Formula);
        return false;
    });
    context.setup();
    QCOMPARE(formulaShown, QStringLiteral("(m0-mn)/mn"));
    QCOMPARE(context.userData(), loaded);

    QSet<int> copy = context.checkedValues();
    copy.insert(EndTime);
    QVERIFY(!context.checkedValues().contains(EndTime));
}

QTEST_MAIN(TestRunContextService)
#include "tst_runcontextservice.moc"
