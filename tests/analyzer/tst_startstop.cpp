#include "analyzer/AnalysisStartStop.h"
#include "analyzer/IRunControl.h"
#include "ui/IDataCleaner.h"

#include <QtTest>

namespace {

class FakeController : public KD::IRunControl
{
public:
    bool isReady() const override { return ready; }
    bool startDrying() override
    {
        ++starts;
        return acceptStart;
    }
    bool stopDrying() override
    {
        ++stops;
        return true;
    }

    bool ready = true;
    bool acceptStart = true;
    int starts = 0;
    int stops = 0;
};

// Stands for the drying page's "clear all the data?" guard.
class FakeCheck : public Common::IDataCleaner
{
public:
    bool check() override
    {
        ++asked;
        return answer;
    }
    bool answer = true;
    int asked = 0;
};

} // namespace

class TestStartStop : public QObject
{
    Q_OBJECT

private slots:
    void startWithoutControllerDoesNothing()
    {
        FakeCheck check;
        KD::AnalysisStartStop startStop;
        startStop.setPreStartCheck(&check);
        QVERIFY(!startStop.start());
        startStop.stop();
        QCOMPARE(check.asked, 0);
    }

    void startPassesTheCheckThenTheController()
    {
        FakeController controller;
        FakeCheck check;
        KD::AnalysisStartStop startStop;
        startStop.setController(&controller);

        // Without a check the start goes straight through.
        QVERIFY(startStop.start());
        QCOMPARE(controller.starts, 1);

        startStop.setPreStartCheck(&check);
        check.answer = false;
        QVERIFY(!startStop.start());
        QCOMPARE(check.asked, 1);
        QCOMPARE(controller.starts, 1);

        check.answer = true;
        controller.acceptStart = false;
        QVERIFY(!startStop.start());
        QCOMPARE(controller.starts, 2);
    }

    // A start the controller would refuse (no device, busy, running) must not
    // ask to clear, and so never wipes the run.
    void noQuestionWhenTheControllerIsNotReady()
    {
        FakeController controller;
        controller.ready = false;
        FakeCheck check;
        KD::AnalysisStartStop startStop;
        startStop.setController(&controller);
        startStop.setPreStartCheck(&check);
        QVERIFY(!startStop.start());
        QCOMPARE(check.asked, 0);
        QCOMPARE(controller.starts, 0);
    }

    void stopGoesToTheControllerWithoutAsking()
    {
        FakeController controller;
        FakeCheck check;
        KD::AnalysisStartStop startStop;
        startStop.setController(&controller);
        startStop.setPreStartCheck(&check);
        startStop.stop();
        QCOMPARE(controller.stops, 1);
        QCOMPARE(check.asked, 0);
    }
};

QTEST_GUILESS_MAIN(TestStartStop)
#include "tst_startstop.moc"
