// The drying-settings page against the simulated analyzer and a real
// settings database in a temporary folder.
#include "analyzer/HLDryerController.h"
#include "resources/Resources.h"
#include "settings/AbstractFilter.h"
#include "settings/CTabDryingSettings.h"
#include "settings/CurrentSettingsPanel.h"
#include "settings/DryerDB.h"
#include "settings/DryingSettingsTrProvider.h"
#include "settings/FilterWidget.h"
#include "tests/support/ConnectedRig.h"
#include "tests/support/DryingSettingsFixtures.h"
#include "tests/support/FakeFileDialogPresenter.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "ui/MessageBoxContext.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <memory>

// Failures print both sets.
char* toString(const DryingSettings& s)
{
    return QTest::toString(
        QStringLiteral("profile %1 temp %2 mode %3 formula %4 samples %5 sampling %6 drying %7 "
                       "step %8/%9 %10/%11 fast %12/%13")
            .arg(s.dryingProfile())
            .arg(s.mainTemperature())
            .arg(s.workMode())
            .arg(s.calcFormula())
            .arg(s.samplesQuantity())
            .arg(s.samplingTime())
            .arg(s.dryingTime().toString(), s.stepTime1().toString())
            .arg(s.stepTemperature1())
            .arg(s.stepTime2().toString())
            .arg(s.stepTemperature2())
            .arg(s.fastTime().toString())
            .arg(s.fastTemperature()));
}

namespace {

// A fast set that a panel shows unchanged (its fast temperature within the editor's range).
DryingSettings fastSet()
{
    DryingSettings s = fastSettings();
    s.setFastTemperature(165);
    return s;
}

// A step set that a panel shows unchanged (the work mode "Time" counts no
// samples, the step temperatures stay below the drying temperature).
DryingSettings slotSet()
{
    DryingSettings s = stepSettings();
    s.setMainTemperature(130);
    s.setSamplesQuantity(0);
    return s;
}

DryingSettings namedTemperature(int temperature)
{
    DryingSettings s;
    s.setMainTemperature(temperature);
    return s;
}

} // namespace

class TestSettingsPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deviceSideFollowsTheChosenSlot();
    void writeToASlotReadsItBack();
    void writeDuringARunIsRefused();
    void failedCurrentReadThenOneSlotRead();
    void saveOverrideAndDelete();
    void failedOverrideKeepsTheOldSet();
    void equalTimesShowTheNewestSavedFirst();
    void failedQueryIsReportedNotShownAsEmpty();
    void filtersFindExactlyTheirRows();
    void loadAndDeleteWithTheNameHidden();
    void jsonExportAndImport();

private:
    template <typename T>
    T* child(const char* name) const
    {
        return m_page->findChild<T*>(QLatin1String(name));
    }
    QComboBox* slotCombo() const { return child<QComboBox>("memorySlotComboBox"); }
    CurrentSettingsPanel* devicePanel() const
    {
        return child<CurrentSettingsPanel>("deviceSettingWidget");
    }
    CurrentSettingsPanel* workspace() const
    {
        return child<CurrentSettingsPanel>("wspaceSettingWidget");
    }
    QTableView* table() const { return child<QTableView>("tableView"); }
    FilterWidget* filterBar() const { return m_page->findChild<FilterWidget*>(); }
    // The combo enabled, the controller ready and its queued ready() delivered,
    // so that a choice made next is not met by the end of the previous read.
    bool pageIdle() const;
    QStringList shownNames() const;
    void saveAs(const QString& name, const DryingSettings& settings);
    // Switches the filter rows of these columns on, all others off.
    void filterColumns(const QVector<int>& columns);
    QString lastBox() const { return m_boxes->last().text; }

    std::unique_ptr<ConnectedRig> m_rig;
    std::unique_ptr<FakeMessageBoxPresenter> m_boxes;
    MessageBoxContext m_context{QStringLiteral("Sorvana"), nullptr};
    std::unique_ptr<CTabDryingSettings> m_page;
};

void TestSettingsPage::init()
{
    initSorvanaResources();
    m_rig = std::make_unique<ConnectedRig>();
    m_boxes = std::make_unique<FakeMessageBoxPresenter>();
    m_rig->setDeviceSettings(fastSet());
    m_rig->setDeviceSettings(slotSet(), 1);
    m_page = std::make_unique<CTabDryingSettings>(new DryingSettingsTrProvider, m_rig->controller(),
                                                  &m_context);
    connect(m_rig->controller(), &KD::HLDryerController::error, m_page.get(),
            &CTabDryingSettings::onDCError, Qt::QueuedConnection);
    connect(m_rig->controller(), &KD::HLDryerController::ready, m_page.get(),
            &CTabDryingSettings::onReady, Qt::QueuedConnection);
    m_page->resize(1000, 800);
}

void TestSettingsPage::cleanup()
{
    m_page.reset();
    m_boxes.reset();
    m_rig.reset();
}

bool TestSettingsPage::pageIdle() const
{
    if (!QTest::qWaitFor(
            [this] { return slotCombo()->isEnabled() && m_rig->controller()->isReady(); }))
        return false;
    QCoreApplication::sendPostedEvents();
    return slotCombo()->isEnabled() && m_rig->controller()->isReady();
}

QStringList TestSettingsPage::shownNames() const
{
    QStringList names;
    for (int row = 0; row < table()->model()->rowCount(); ++row)
        names.append(table()->model()->index(row, 0).data().toString());
    return names;
}

void TestSettingsPage::saveAs(const QString& name, const DryingSettings& settings)
{
    workspace()->setSettings(settings);
    child<QLineEdit>("sheetName")->setText(name);
    child<QPushButton>("saveToDBButton")->click();
}

void TestSettingsPage::filterColumns(const QVector<int>& columns)
{
    FilterDialog* dialog = filterBar()->filtersDialog();
    auto* list = dialog->findChild<QListWidget*>();
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(columns.contains(i) ? Qt::Checked : Qt::Unchecked);
    dialog->findChild<QPushButton*>(QStringLiteral("confirmButton"))->click();
}

void TestSettingsPage::deviceSideFollowsTheChosenSlot()
{
    m_page->show();
    // No analyzer yet: the read is refused and the combo waits for ready().
    QVERIFY(!slotCombo()->isEnabled());
    QVERIFY(m_rig->connectAnalyzer());
    QVERIFY(pageIdle());
    QCOMPARE(devicePanel()->settings(), fastSet());

    slotCombo()->setCurrentIndex(1);
    QVERIFY(!slotCombo()->isEnabled());
    QVERIFY(pageIdle());
    QCOMPARE(devicePanel()->settings(), slotSet());

    // "<" copies the analyzer's set into the workspace.
    child<QToolButton>("importButton")->click();
    QCOMPARE(workspace()->settings(), slotSet());
    QCOMPARE(child<QLineEdit>("sheetName")->text(), QStringLiteral("Copied from device"));
}

void TestSettingsPage::writeToASlotReadsItBack()
{
    QVERIFY(m_rig->connectAnalyzer());
    m_page->show();
    QVERIFY(pageIdle());
    slotCombo()->setCurrentIndex(3);
    QVERIFY(pageIdle());

    workspace()->setSettings(fastSet());
    child<QToolButton>("exportButton")->click();
    QVERIFY(!slotCombo()->isEnabled());
    QVERIFY(pageIdle());
    QCOMPARE(m_rig->deviceSettings(3), fastSet());
    QCOMPARE(devicePanel()->settings(), fastSet());
    QCOMPARE(m_rig->deviceSettings(0), fastSet());
    QVERIFY(m_boxes->shown().isEmpty());
}

void TestSettingsPage::writeDuringARunIsRefused()
{
    QVERIFY(m_rig->connectAnalyzer());
    m_page->show();
    QVERIFY(pageIdle());
    m_rig->device()->startFromKeyboard();
    QTRY_COMPARE(m_rig->controller()->state(), int(KD::OperationState::Running));

    child<QToolButton>("exportButton")->click();
    QCOMPARE(m_boxes->shown().size(), 1);
    QCOMPARE(lastBox(), QStringLiteral("Cannot save settings when another operation or drying "
                                       "process is in progress!"));
    QCOMPARE(m_rig->deviceSettings(0), fastSet());
}

void TestSettingsPage::failedCurrentReadThenOneSlotRead()
{
    QVERIFY(m_rig->connectAnalyzer());
    m_page->show();
    QVERIFY(pageIdle());
    slotCombo()->setCurrentIndex(2);
    QVERIFY(pageIdle());

    m_rig->simulator()->setSilent(true);
    slotCombo()->setCurrentIndex(0);
    QTRY_VERIFY_WITH_TIMEOUT(!m_rig->controller()->lastLoadOk(), 10000);
    QVERIFY(pageIdle());
    m_rig->simulator()->setSilent(false);
    QVERIFY(m_rig->waitReady());

    m_rig->simulator()->clearReceived();
    slotCombo()->setCurrentIndex(1);
    QVERIFY(pageIdle());
    QCOMPARE(devicePanel()->settings(), slotSet());
    // The page's queued reaction to the controller's ready() starts no other read.
    const QByteArrayList lines = m_rig->simulator()->receivedLines();
    QCOMPARE(std::count_if(lines.cbegin(), lines.cend(),
                           [](const QByteArray& line) { return line.startsWith("Su8"); }),
             1);
}

void TestSettingsPage::saveOverrideAndDelete()
{
    saveAs(QStringLiteral("Pasta"), namedTemperature(105));
    saveAs(QStringLiteral("Grain"), fastSet());
    QCOMPARE(shownNames(), QStringList({"Grain", "Pasta"}));
    QVERIFY(m_boxes->shown().isEmpty());

    m_boxes->queueAnswer(QMessageBox::No);
    saveAs(QStringLiteral("Pasta"), namedTemperature(120));
    QCOMPARE(lastBox(), QStringLiteral("Database row with this name already exists. Override it "
                                       "with current values?"));
    QCOMPARE(DryerDB::loadSetting("Pasta")->mainTemperature(), 105);
    QCOMPARE(shownNames(), QStringList({"Grain", "Pasta"}));

    m_boxes->queueAnswer(QMessageBox::Yes);
    saveAs(QStringLiteral("Pasta"), namedTemperature(120));
    QCOMPARE(DryerDB::loadSetting("Pasta")->mainTemperature(), 120);
    QCOMPARE(shownNames(), QStringList({"Pasta", "Grain"}));

    // No selection: nothing is asked.
    m_boxes->clear();
    QTest::keyClick(table(), Qt::Key_Delete);
    QVERIFY(m_boxes->shown().isEmpty());

    table()->selectRow(1);
    m_boxes->queueAnswer(QMessageBox::No);
    QTest::keyClick(table(), Qt::Key_Delete);
    QCOMPARE(lastBox(), QStringLiteral("Are you sure you want to delete this row?"));
    QCOMPARE(shownNames(), QStringList({"Pasta", "Grain"}));
    table()->selectRow(1);
    m_boxes->queueAnswer(QMessageBox::Yes);
    child<QPushButton>("deleteButton")->click();
    QCOMPARE(shownNames(), QStringList({"Pasta"}));
    QVERIFY(!DryerDB::settingExists("Grain"));

    // In the sheet name the Delete key only edits the text.
    m_boxes->clear();
    table()->selectRow(0);
    auto* sheet = child<QLineEdit>("sheetName");
    sheet->setCursorPosition(0);
    QTest::keyClick(sheet, Qt::Key_Delete);
    QCOMPARE(sheet->text(), QStringLiteral("asta"));
    QVERIFY(m_boxes->shown().isEmpty());
}

void TestSettingsPage::failedOverrideKeepsTheOldSet()
{
    saveAs(QStringLiteral("Pasta"), namedTemperature(105));
    QSqlQuery trigger(DryerDB::database());
    QVERIFY(trigger.exec("CREATE TRIGGER noFast BEFORE INSERT ON FAST_PROFILES "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"));

    m_boxes->queueAnswer(QMessageBox::Yes);
    saveAs(QStringLiteral("Pasta"), fastSet());
    QCOMPARE(lastBox(), QStringLiteral("An error ocurred during database operation!"));
    QCOMPARE(DryerDB::loadSetting("Pasta")->mainTemperature(), 105);
    QCOMPARE(DryerDB::loadSetting("Pasta")->dryingProfile(), DryingProfile::Standard);
    QCOMPARE(shownNames(), QStringList({"Pasta"}));
}

// Sets of one modification time are shown in the order of saving, newest
// first; an overridden set counts as saved anew.
void TestSettingsPage::equalTimesShowTheNewestSavedFirst()
{
    QSqlQuery trigger(DryerDB::database());
    QVERIFY(trigger.exec("CREATE TRIGGER sameTime AFTER INSERT ON PARAMETERS BEGIN "
                         "UPDATE PARAMETERS SET LastModification = '2024-04-12T10:00:00' "
                         "WHERE rowid = NEW.rowid; END"));
    saveAs(QStringLiteral("Pasta"), namedTemperature(105));
    saveAs(QStringLiteral("Grain"), fastSet());
    saveAs(QStringLiteral("Rice"), namedTemperature(90));
    QCOMPARE(shownNames(), QStringList({"Rice", "Grain", "Pasta"}));
    m_boxes->queueAnswer(QMessageBox::Yes);
    saveAs(QStringLiteral("Grain"), namedTemperature(120));
    QCOMPARE(shownNames(), QStringList({"Grain", "Rice", "Pasta"}));
}

// A table query that fails says so; its empty table is no empty database.
void TestSettingsPage::failedQueryIsReportedNotShownAsEmpty()
{
    saveAs(QStringLiteral("Pasta"), namedTemperature(105));
    QSqlQuery drop(DryerDB::database());
    QVERIFY(drop.exec("DROP TABLE PARAMETERS"));
    QVERIFY(m_boxes->shown().isEmpty());
    filterColumns({0});
    filterBar()->rows().at(0)->findChild<QLineEdit*>()->setText(QStringLiteral("P"));
    QVERIFY(!m_boxes->shown().isEmpty());
    QCOMPARE(lastBox(), QStringLiteral("An error ocurred during database operation!"));
}

void TestSettingsPage::filtersFindExactlyTheirRows()
{
    DryingSettings formula = namedTemperature(60);
    formula.setCalcFormula(CalcFormula::MnOverM0);
    saveAs(QStringLiteral("it's"), namedTemperature(50));
    saveAs(QStringLiteral("50%"), namedTemperature(70));
    saveAs(QStringLiteral("x_y"), formula);
    saveAs(QStringLiteral("xay"), namedTemperature(90));
    m_page->show();
    QCOMPARE(shownNames().size(), 4);

    filterColumns({0});
    QVERIFY(filterBar()->isVisible());
    auto* name = filterBar()->rows().at(0)->findChild<QLineEdit*>();
    auto* nameOperator = filterBar()->rows().at(0)->findChild<QComboBox*>("chooseOptionCombo");
    nameOperator->setCurrentIndex(3); // Equal
    name->setText(QStringLiteral("it's"));
    QCOMPARE(shownNames(), QStringList({"it's"}));
    name->setText(QStringLiteral("x_y"));
    QCOMPARE(shownNames(), QStringList({"x_y"}));
    nameOperator->setCurrentIndex(2); // Contains
    name->setText(QStringLiteral("%"));
    QCOMPARE(shownNames(), QStringList({"50%"}));

    // Name and temperature rows together; the name row's X leaves the temperature.
    filterColumns({0, 1});
    const auto bounds = filterBar()->rows().at(1)->findChildren<QDoubleSpinBox*>();
    bounds.at(0)->setValue(55);
    bounds.at(1)->setValue(95);
    QCOMPARE(shownNames(), QStringList({"50%"}));
    filterBar()->rows().at(0)->findChild<QToolButton*>("xButton")->click();
    QCOMPARE(shownNames(), QStringList({"xay", "x_y", "50%"}));

    filterColumns({3});
    filterBar()->rows().at(3)->findChildren<QComboBox*>().at(1)->setCurrentIndex(1);
    QCOMPARE(shownNames(), QStringList({"x_y"}));

    // A date row compares the day of the modification: every set is from today.
    filterColumns({8});
    auto* dateOperator = filterBar()->rows().at(8)->findChild<QComboBox*>("chooseOptionCombo");
    dateOperator->setCurrentIndex(3); // Equal, the from-date
    auto* from = filterBar()->rows().at(8)->findChildren<QDateTimeEdit*>().at(0);
    from->setDate(QDate::currentDate());
    QCOMPARE(shownNames().size(), 4);
    dateOperator->setCurrentIndex(2); // Earlier than, inclusive
    QCOMPARE(shownNames().size(), 4);
    from->setDate(QDate::currentDate().addDays(-1));
    QVERIFY(shownNames().isEmpty());

    filterColumns({});
    QVERIFY(!filterBar()->isVisible());
    QCOMPARE(shownNames().size(), 4);
}

void TestSettingsPage::loadAndDeleteWithTheNameHidden()
{
    saveAs(QStringLiteral("Pasta"), namedTemperature(105));
    saveAs(QStringLiteral("Grain"), fastSet());
    workspace()->setSettings(DryingSettings());

    FilterDialog* columns = filterBar()->columnsDialog();
    columns->findChild<QListWidget*>()->item(0)->setCheckState(Qt::Unchecked);
    columns->findChild<QPushButton*>(QStringLiteral("confirmButton"))->click();
    QVERIFY(table()->isColumnHidden(0));

    table()->selectRow(0);
    child<QPushButton>("loadButton")->click();
    QCOMPARE(child<QLineEdit>("sheetName")->text(), QStringLiteral("Grain"));
    QCOMPARE(workspace()->settings(), fastSet());

    table()->selectRow(1);
    m_boxes->queueAnswer(QMessageBox::Yes);
    child<QPushButton>("deleteButton")->click();
    QVERIFY(!DryerDB::settingExists("Pasta"));
    QCOMPARE(shownNames(), QStringList({"Grain"}));
}

void TestSettingsPage::jsonExportAndImport()
{
    FakeFileDialogPresenter dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sets.json"));
    saveAs(QStringLiteral("Pasta"), namedTemperature(105));
    saveAs(QStringLiteral("Grain"), fastSet());
    dialogs.queueAnswer(path);
    m_page->exportDataToFile();
    QVERIFY(QFile::exists(path));

    table()->selectRow(0);
    m_boxes->queueAnswer(QMessageBox::Yes);
    child<QPushButton>("deleteButton")->click();
    QCOMPARE(shownNames(), QStringList({"Pasta"}));

    dialogs.queueAnswer(path);
    m_page->importDataFromFile();
    QVERIFY(m_boxes->shown().size() == 1); // only the delete question
    QCOMPARE(shownNames().size(), 3);
    QCOMPARE(*DryerDB::loadSetting("Grain"), fastSet());
    QVERIFY(DryerDB::settingExists("Pasta (1)"));
}

QTEST_MAIN(TestSettingsPage)
#include "tst_settingspage.moc"
