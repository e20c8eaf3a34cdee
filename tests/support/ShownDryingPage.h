#pragma once

#include "analyzer/AnalysisStartStop.h"
#include "analyzer/HLDryerController.h"
#include "analyzer/NDryer.h"
#include "app/TabDryer.h"
#include "app/TdComposition.h"
#include "drying/CsvDepsHolder.h"
#include "ui/MessageBoxContext.h"

#include <memory>

// The drying page as the program composes it, shown at a desktop size, with
// no analyzer: what the benchmarks time a run against.
struct ShownDryingPage
{
    ShownDryingPage();

    int rows() { return composition.runData()->samplesCount(); }

    KD::Communication::NDryer dryer;
    KD::HLDryerController controller{&dryer};
    MessageBoxContext boxes;
    Common::CsvDepsHolder csvDeps{&boxes};
    KD::AnalysisStartStop startStop;
    KD::TdComposition composition{&csvDeps, &controller, &startStop};
    std::unique_ptr<TabDryer> tab{composition.createTab()};
};
