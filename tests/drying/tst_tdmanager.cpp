// The drying page manager's answers to the controller's signals, with the
// page, the controller and the database replaced by recorders.
#include "drying/DryingInfoGetter.h"
#include "drying/HumidityData.h"
#include "drying/ITabDrying.h"
#include "drying/TdManager.h"
#include "drying/TdSourceLabelHandler.h"
#include "settings/ICouldNotLoadFromDbMessageBox.h"
#include "settings/IDbDryer.h"
#include "settings/ISettingInterface.h"
#include "ui/Interval.h"

#include "tests/support/DryingSettingsFixtures.h"

#include <QtTest>

namespace {

struct Page : KD::ITabDrying
{
    void setCalcFormula(int) override { }
    void setStateText(const QString& text) override { state = text; }
    bool isTabVisible() const override { return visible; }
    void setTableModel(QAbstractItemModel*) override { }
    void setPlotWidget(QWidget*) override { }
    void setSettingSourceEnabled(bool on) override { enabled = on; }
    void setCurrentSettings(const DryingSettings& s) override { shown = s; }
    void setDbNames(const QStringList&, int) override { }

    bool visible = true;
    bool enabled = true;
    QString state;
    DryingSettings shown;
};

struct Controller : KD::ISettingInterface
{
    DryingSettings currentSettings() const override { return settings; }
    bool lastLoadOk() const override { return ok; }
    bool loadSettings(KD::ISettingNotifiable* requester) override
    {
        ++loads;
        this->requester = requester;
        return true;
    }
    bool writeSettings(const DryingSettings&) override { return true; }
    bool readSlot(int, KD::ISettingNotifiable*) override { return true; }
    bool writeSlot(int, const DryingSettings&) override { return true; }
    void copySlotToCurrent(int) override { }

    DryingSettings settings = stepSettings();
    bool ok = true;
    int loads = 0;
    KD::ISettingNotifiable* requester = nullptr;
};

struct Database : KD::IDbDryer
{
    QStringList names() const override { return {}; }
    std::optional<DryingSettings> setting(const QString&) const override { return {}; }
};

struct NoBox : KD::ICouldNotLoadFromDbMessageBox
{
    void show() override { }
};

} // namespace

class TestTdManager : public QObject
{
    Q_OBJECT

    KD::Drying::HumidityData run;
    KD::Drying::DryingInfoGetter info{&run};
    Common::Interval interval;
    Database database;
    Controller controller;
    KD::TdSourceLabelHandler label;
    NoBox box;
    Page page;
    std::unique_ptr<KD::TdManager> manager;

    // The controller finished the read it was asked for.
    void finishRead()
    {
        QVERIFY(controller.requester);
        controller.requester->settingsChanged();
        controller.requester = nullptr;
    }

private slots:
    void init()
    {
        run.clear();
        controller = Controller();
        page = Page();
        manager = std::make_unique<KD::TdManager>(&run, &interval, &database, &controller, &label,
                                                  &box, &info);
        manager->setTab(&page);
        label.setTab(&page);
    }

    void readyWhileHiddenChangesNothing()
    {
        page.visible = false;
        manager->onControllerError();
        manager->onReady();
        QCOMPARE(controller.loads, 0);
        // The error was not noted: the first ready once visible reads.
        page.visible = true;
        manager->onReady();
        QCOMPARE(controller.loads, 1);
        QVERIFY(!page.enabled);
    }

    void errorSwallowsOneReadyThenReads()
    {
        manager->onControllerError();
        manager->onReady();
        QCOMPARE(controller.loads, 0);
        manager->onReady();
        QCOMPARE(controller.loads, 1);
        finishRead();
        QCOMPARE(page.shown, stepSettings());
        QCOMPARE(interval.value(), 2000);
        manager->onReady();
        QVERIFY(page.enabled);
    }

    void failedReadStaysLockedAndReadsAgain()
    {
        manager->onReady();
        controller.ok = false;
        finishRead();
        manager->onReady();
        QVERIFY(!page.enabled);
        QCOMPARE(controller.loads, 2);
    }

    void startClearsRecordsUnlessIgnored()
    {
        manager->onReady();
        finishRead();
        run.appendMass(1000, 5.0);
        const QDateTime kept = QDateTime::currentDateTime().addDays(-1);
        info.setStartTime(kept);
        // A run on the analyzer that is not followed: the kept records keep
        // their start, or their report would claim the other run's.
        manager->onDryingStart(true, true, 4);
        QCOMPARE(run.samplesCount(), 1);
        QCOMPARE(info.info().start, kept);
        QCOMPARE(interval.value(), 4000);
        QVERIFY(!page.enabled);
        manager->onDryingEnd();
        QVERIFY(page.enabled);
        manager->onDryingStart(false, false, 1);
        QCOMPARE(run.samplesCount(), 0);
        QVERIFY(info.info().start > kept);
    }

    void runEndKeepsAReadLocked()
    {
        manager->onReady();
        finishRead();
        manager->onDryingStart(false, false, 1);
        // Shown during the run: the busy controller is asked in vain.
        manager->onWidgetShow();
        // At the end its ready comes first and reads; the end must not
        // unlock the choices while that read runs.
        manager->onReady();
        manager->onDryingEnd();
        QVERIFY(!page.enabled);
        finishRead();
        manager->onReady();
        QVERIFY(page.enabled);
    }

    void emptyEntriesDoNothing()
    {
        page.state = "untouched";
        manager->onSlotComboChange(0);
        manager->onDbComboChange(0, " --- ");
        QCOMPARE(page.state, QString("untouched"));
        QVERIFY(page.enabled);
    }
};

QTEST_MAIN(TestTdManager)
#include "tst_tdmanager.moc"
