// The drying page as the program builds it, against the simulated analyzer:
// parameters and their source, slot and database loads, a live run, the
// formula, the files and the language.
#include "analyzer/AnalysisStartStop.h"
#include "analyzer/HLDryerController.h"
#include "app/TabDryer.h"
#include "app/TdComposition.h"
#include "drying/CsvDepsHolder.h"
#include "resources/Resources.h"
#include "settings/CurrentSettingsPanel.h"
#include "settings/DryerDB.h"
#include "ui/MessageBoxContext.h"

#include "tests/support/ConnectedRig.h"
#include "tests/support/DryingSettingsFixtures.h"
#include "tests/support/FakeFileDialogPresenter.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/PdfFileReportPresenter.h"
#include "tests/support/PdfText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTranslator>
#include <QtTest>

#include <memory>

using Sim = SimulatedDryer;

class TestDryingPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConnectedRig> rig;
    std::unique_ptr<FakeMessageBoxPresenter> boxes;
    std::unique_ptr<FakeFileDialogPresenter> dialogs;
    MessageBoxContext boxContext;
    std::unique_ptr<Common::CsvDepsHolder> csvDeps;
    std::unique_ptr<KD::AnalysisStartStop> startStop;
    std::unique_ptr<KD::TdComposition> composition;
    std::unique_ptr<TabDryer> page;
    QTemporaryDir dir;

    template <typename T>
    T* find(const char* name) const
    {
        return page->findChild<T*>(name);
    }
    QString sourceText() const { return find<QLabel>("settingSourceStatusLabel")->text(); }
    bool unlocked() const { return find<QComboBox>("slotComboBox")->isEnabled(); }
    bool waitUnlocked() const
    {
        return QTest::qWaitFor([this] { return unlocked(); });
    }
    // Leaving and coming back reads the analyzer and refills the names.
    bool reenter() const
    {
        page->hide();
        page->show();
        return waitUnlocked();
    }
    DryingSettings shown() const
    {
        return find<CurrentSettingsPanel>("currentSettingsPanel")->settings();
    }
    // The panel keeps a set within its own bounds (profile temperatures
    // against the drying temperature): compare with what it makes of one.
    static DryingSettings asShown(const DryingSettings& settings)
    {
        CurrentSettingsPanel panel;
        panel.setSettings(settings);
        return panel.settings();
    }
    KD::Drying::HumidityData* run() const { return composition->runData(); }
    void triggerIcon(int textId) const
    {
        const QString text = TabDryerTrProvider().text(textId);
        for (QAction* action : page->menu()->actions()) {
            if (action->text() == text)
                return action->trigger();
        }
        QFAIL(qPrintable("no icon " + text));
    }
    void chooseStoredSet(const QString& name)
    {
        QVERIFY(reenter());
        auto* combo = find<QComboBox>("dbNameComboBox");
        combo->setCurrentIndex(combo->findText(name));
    }
    void runUntil(int rows)
    {
        find<QPushButton>("buttonStart")->click();
        QTRY_VERIFY(run()->samplesCount() >= rows);
    }
    void stopRun()
    {
        find<QPushButton>("buttonStop")->click();
        QVERIFY(rig->waitReady());
        QTRY_VERIFY(unlocked());
    }

private slots:
    void initTestCase()
    {
        initSorvanaResources();
        QVERIFY(dir.isValid());
    }

    void init()
    {
        rig = std::make_unique<ConnectedRig>();
        QVERIFY(rig->connectAnalyzer());
        boxes = std::make_unique<FakeMessageBoxPresenter>(QMessageBox::Yes);
        dialogs = std::make_unique<FakeFileDialogPresenter>();
        csvDeps = std::make_unique<Common::CsvDepsHolder>(&boxContext);
        startStop = std::make_unique<KD::AnalysisStartStop>();
        startStop->setController(rig->controller());
        composition =
            std::make_unique<KD::TdComposition>(csvDeps.get(), rig->controller(), startStop.get());
        startStop->setPreStartCheck(composition->startGuard());
        page.reset(composition->createTab());
        rig->setDeviceSettings(stepSettings());
        page->show();
        QVERIFY(waitUnlocked());
        rig->simulator()->clearReceived();
    }

    void cleanup()
    {
        page.reset();
        composition.reset();
        startStop.reset();
        csvDeps.reset();
        dialogs.reset();
        boxes.reset();
        rig.reset();
    }

    void shownPageShowsTheAnalyzersParameters()
    {
        QCOMPARE(shown(), asShown(rig->deviceSettings()));
        QCOMPARE(rig->controller()->currentSettings(), stepSettings());
        // No set chosen yet: no prefix, the blank, no name.
        QCOMPARE(sourceText(), QString(" "));
        QCOMPARE(composition->interval()->value(), stepSettings().samplingTime() * 1000);
    }

    void slotChoiceCopiesTheSlotAndNamesIt()
    {
        rig->setDeviceSettings(fastSettings(), 3);
        find<QComboBox>("slotComboBox")->setCurrentIndex(3);
        QCOMPARE(sourceText(), QString("Loading from slot 3"));
        QVERIFY(!unlocked());
        QVERIFY(waitUnlocked());
        QCOMPARE(sourceText(), QString("Loaded from slot 3"));
        QVERIFY(rig->simulator()->receivedLines().contains("Su83"));
        QCOMPARE(shown(), asShown(fastSettings()));
        // Back on the page later, a slot is no longer claimed.
        QVERIFY(reenter());
        QCOMPARE(sourceText(), QString());
    }

    void storedSetLandsInTheAnalyzer()
    {
        QVERIFY(DryerDB::saveSetting("oats", fastSettings()));
        chooseStoredSet("oats");
        QVERIFY(waitUnlocked());
        QCOMPARE(sourceText(), QString("Loaded from database oats"));
        QCOMPARE(rig->deviceSettings(), fastSettings());
        QCOMPARE(shown(), asShown(fastSettings()));

        // Re-entering names the set only while the analyzer still holds it.
        QVERIFY(reenter());
        QCOMPARE(sourceText(), QString("Loaded from database oats"));
        QCOMPARE(find<QComboBox>("dbNameComboBox")->currentText(), QString("oats"));
        rig->setDeviceSettings(stepSettings());
        QVERIFY(reenter());
        QCOMPARE(sourceText(), QString());
    }

    void vanishedSetGivesItsBoxAndLeavesTheAnalyzerAlone()
    {
        QVERIFY(DryerDB::saveSetting("gone", fastSettings()));
        QVERIFY(reenter());
        QVERIFY(DryerDB::removeSetting("gone"));
        rig->simulator()->clearReceived();
        auto* combo = find<QComboBox>("dbNameComboBox");
        combo->setCurrentIndex(combo->findText("gone"));
        QCOMPARE(boxes->last().text, QString("Could not load setting from database!"));
        QVERIFY(unlocked());
        QCOMPARE(sourceText(), QString("Loading from database gone"));
        QVERIFY(rig->simulator()->receivedLines().isEmpty());
    }

    void failedReadKeepsThePageLocked()
    {
        rig->simulator()->removeCommand("Sd3");
        find<QComboBox>("slotComboBox")->setCurrentIndex(2);
        QVERIFY(rig->waitReady());
        QSignalSpy errors(rig->controller(), &KD::HLDryerController::error);
        QVERIFY(errors.wait());
        QVERIFY(rig->waitReady());
        // The error and the ready it swallows are queued by now.
        QCoreApplication::processEvents();
        QVERIFY(!unlocked());
        QCOMPARE(sourceText(), QString("Loading from slot 2"));
    }

    void liveRunFillsTableAndPlotByFormulaZero()
    {
        runUntil(5);
        QVERIFY(!unlocked());
        QCOMPARE(find<QTableView>("resultsTableView")->model()->rowCount(), run()->samplesCount());
        QCOMPARE(run()->plotData()->size(), run()->samplesCount());
        QVERIFY(find<QRadioButton>("methodM0MnM0")->isChecked());
        const double m0 = run()->massAt(0), m1 = run()->massAt(1);
        QCOMPARE(run()->humidityAt(1), (m0 - m1) / m0 * 100.0);

        // Neither Clear nor Load touches a run being recorded.
        dialogs->queueAnswer(dir.filePath("never.csv"));
        triggerIcon(TabDryerTrProvider::ClearData);
        triggerIcon(TabDryerTrProvider::LoadData);
        QCOMPARE(boxes->shown().size(), 2);
        QVERIFY(boxes->last().text.contains("in progress"));
        QVERIFY(dialogs->shown().isEmpty());
        QVERIFY(run()->samplesCount() >= 5);

        stopRun();
    }

    void keyboardStartIsFollowedOnlyWhenTicked()
    {
        auto* box = find<QCheckBox>("checkBox");
        QVERIFY(!box->isChecked());
        rig->device()->startFromKeyboard();
        QTRY_VERIFY(rig->device()->readingsSent() >= 5);
        QCOMPARE(run()->samplesCount(), 0);
        // The controller refuses a change while a run goes on.
        box->click();
        QVERIFY(!box->isChecked());
        rig->simulator()->receiveBytes("Sx7\r\n");
        QVERIFY(rig->waitReady());

        box->click();
        QVERIFY(box->isChecked());
        rig->device()->startFromKeyboard();
        QTRY_VERIFY(run()->samplesCount() >= 3);
    }

    void formulaChoiceRetitlesAndRecomputes()
    {
        runUntil(3);
        stopRun();
        auto* model = find<QTableView>("resultsTableView")->model();
        find<QRadioButton>("methodMnM0")->click();
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Dry mass [%]"));
        QCOMPARE(run()->humidityAt(1), run()->massAt(1) / run()->massAt(0) * 100.0);
        find<QRadioButton>("methodM0MnMn")->click();
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Humidity [%]"));
        QCOMPARE(run()->calcFormula(), 1);
    }

    void runFileSavedClearedAndLoadedBack()
    {
        QwtPlot* plot = composition->plot()->widget();
        const QwtInterval startX = plot->axisInterval(QwtPlot::xBottom);
        const QwtInterval startY = plot->axisInterval(QwtPlot::yLeft);
        runUntil(4);
        stopRun();
        find<QRadioButton>("methodMnM0")->click();
        const int rows = run()->samplesCount();
        const double last = run()->massAt(rows - 1);
        const QString path = dir.filePath("run.csv");
        dialogs->queueAnswer(path);
        triggerIcon(TabDryerTrProvider::SaveData);
        QVERIFY(QFile::exists(path));

        find<QRadioButton>("methodM0MnM0")->click();
        QVERIFY(composition->runInfo()->info().start.isValid());
        triggerIcon(TabDryerTrProvider::ClearData);
        QCOMPARE(boxes->last().text, QString("Are you sure you want to clear all the data?"));
        QCOMPARE(run()->samplesCount(), 0);
        QVERIFY(!composition->runInfo()->info().start.isValid());
        // The empty plot is scaled as it was before the run.
        QCOMPARE(plot->axisInterval(QwtPlot::xBottom), startX);
        QCOMPARE(plot->axisInterval(QwtPlot::yLeft), startY);
        // Nothing left to lose: no question.
        const int asked = boxes->shown().size();
        triggerIcon(TabDryerTrProvider::ClearData);
        QCOMPARE(boxes->shown().size(), asked);

        dialogs->queueAnswer(path);
        triggerIcon(TabDryerTrProvider::LoadData);
        QCOMPARE(run()->samplesCount(), rows);
        QVERIFY(qAbs(run()->massAt(rows - 1) - last) < 1e-3);
        // The file's formula is shown on the page and computed by.
        QVERIFY(find<QRadioButton>("methodMnM0")->isChecked());
        QCOMPARE(run()->calcFormula(), 2);
    }

    void reportPrintsTheRun()
    {
        runUntil(3);
        stopRun();
        const QString pdf = dir.filePath("run.pdf");
        PdfFileReportPresenter presenter(pdf);
        triggerIcon(TabDryerTrProvider::GeneratePdf);
        QVERIFY(presenter.printed());
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains("Humidity [%]"), qPrintable(text));
        QVERIFY(text.contains(QString::number(run()->massAt(2), 'f', 3)));
    }

    void namesAndFormulaShownAsAsked()
    {
        auto* combo = find<QComboBox>("dbNameComboBox");
        const QStringList names{"a", "b", "c"};
        page->setDbNames(names, 2);
        QCOMPARE(combo->currentText(), QString("c"));
        page->setDbNames(names, 3);
        QCOMPARE(combo->currentIndex(), 0);
        page->setDbNames({}, 0);
        QCOMPARE(combo->count(), 1);
        // A refill is no choice: the analyzer is not written.
        QVERIFY(rig->simulator()->receivedLines().isEmpty());
        page->setCalcFormula(2);
        page->setCalcFormula(7);
        QVERIFY(find<QRadioButton>("methodM0MnM0")->isChecked());
        QCOMPARE(run()->calcFormula(), 0);
    }

    void languageSwitchesBackAndForth()
    {
        auto* model = find<QTableView>("resultsTableView")->model();
        find<QComboBox>("slotComboBox")->setCurrentIndex(3);
        QVERIFY(waitUnlocked());
        for (const char* language : {"polish", "english"}) {
            QTranslator translator;
            QVERIFY(translator.load(QString(":/i18n/%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translator);
            const bool polish = QByteArray(language) == "polish";
            QTRY_COMPARE(find<QPushButton>("buttonStart")->text(),
                         QString(polish ? "Rozpocznij badanie" : "Start analysis"));
            QCOMPARE(page->title(), QString(polish ? "Statystyka suszeń" : "Drying View"));
            QCOMPARE(model->headerData(1, Qt::Horizontal).toString(),
                     QString(polish ? "Wilgotność [%]" : "Humidity [%]"));
            QCOMPARE(sourceText(),
                     QString(polish ? "Załadowano ze slotu 3" : "Loaded from slot 3"));
            QCoreApplication::removeTranslator(&translator);
        }
    }

    void destroyedDuringARun()
    {
        runUntil(3);
        // The main window takes the page with it first; the run goes on and
        // ends without it.
        page.reset();
        const int rows = run()->samplesCount();
        QTRY_VERIFY(run()->samplesCount() > rows + 3);
        rig->simulator()->receiveBytes("Sx7\r\n");
        QVERIFY(rig->waitReady());
        QVERIFY(startStop->start());
        QCOMPARE(run()->samplesCount(), 0);
        QTRY_VERIFY(run()->samplesCount() >= 2);
        composition.reset();
    }
};

QTEST_MAIN(TestDryingPage)
#include "tst_dryingpage.moc"
