// The drying page in the middle of a run against the simulated analyzer: the
// parameters loaded from slot 3, live rows and plot.
#include "ShotRegistry.h"

#include "analyzer/AnalysisStartStop.h"
#include "analyzer/HLDryerController.h"
#include "app/TabDryer.h"
#include "app/TdComposition.h"
#include "drying/CsvDepsHolder.h"
#include "tests/support/ConnectedRig.h"
#include "tests/support/DryingSettingsFixtures.h"
#include "ui/MessageBoxContext.h"

#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include <memory>

SORVANA_SHOT(drying)
{
    ConnectedRig rig;
    rig.setDeviceSettings(stepSettings(), 3);
    rig.device()->setInitialMass(12.5);
    rig.device()->setMassStep(0.04);
    if (!rig.connectAnalyzer())
        return;
    MessageBoxContext boxes;
    Common::CsvDepsHolder csvDeps(&boxes);
    KD::AnalysisStartStop startStop;
    startStop.setController(rig.controller());
    KD::TdComposition composition(&csvDeps, rig.controller(), &startStop);
    startStop.setPreStartCheck(composition.startGuard());
    std::unique_ptr<TabDryer> page(composition.createTab());
    page->resize(1240, 760);
    // The main window takes the selector; here it would sit over the page.
    page->selectorButton()->hide();
    ShotCamera::show(page.get());

    auto* slotCombo = page->findChild<QComboBox*>("slotComboBox");
    // The page reads the analyzer when shown; the choices unlock after it,
    // and again after the chosen slot's set has been read back.
    const auto unlocked = [&] { return QTest::qWaitFor([&] { return slotCombo->isEnabled(); }); };
    bool running = unlocked();
    if (running) {
        slotCombo->setCurrentIndex(3);
        running = unlocked() && startStop.start()
                  && QTest::qWaitFor([&] { return composition.runData()->samplesCount() >= 60; });
    }
    if (!running)
        qWarning("drying: the run did not get going");
    camera.take(page.get(), "drying-run");
    startStop.stop();
    rig.waitReady();
}
