#include "app/TdComposition.h"

#include "analyzer/AnalysisStartStop.h"
#include "analyzer/HLDryerController.h"
#include "app/TabDryer.h"
#include "drying/CsvDepsHolder.h"
#include "settings/CalcFormula.h"

namespace KD {

TdComposition::TdComposition(Common::CsvDepsHolder* csvDeps, HLDryerController* controller,
                             AnalysisStartStop* startStop)
    : m_run(std::make_shared<Drying::HumidityData>()), m_plot(m_run->plotData(), true),
      m_info(m_run.get()), m_measurementReceiver(m_run.get(), &m_interval), m_time(m_run.get()),
      m_fileReceiver(&m_time, m_run.get(), &m_plot), m_header(m_run->modelFull()),
      m_runContext(&m_info), m_runContextGetter(&m_runContext, &m_info),
      m_clearer(m_run.get(), &m_info, &m_plot), m_askCleaner(m_run.get(), &m_clearer, &m_boxes),
      m_plotPicture(&m_plot), m_pdf(&m_runContextGetter, &m_runContext, m_run.get(), &m_plotPicture,
                                    *csvDeps->messageBoxContext()),
      m_labels(&m_header, &m_plot, m_run.get()), m_retranslator(&m_labels, &m_sourceLabel),
      m_formula(m_run.get(), &m_labels, &m_plot), m_couldNotLoad(csvDeps->messageBoxContext()),
      m_manager(m_run.get(), &m_interval, &m_database, controller, &m_sourceLabel, &m_couldNotLoad,
                &m_info),
      m_measurementHandler(&m_measurementReceiver),
      m_csvContext(&m_tabFormula, &m_runContext, &m_info),
      m_csvImporter(std::make_shared<Drying::TdCsvImporter>(csvDeps->deps()->loaderCreator(),
                                                            csvDeps->deps()->loaderErrorHandler(),
                                                            &m_fileReceiver, &m_csvContext)),
      m_csvExporter(std::make_shared<Drying::TdCsvExporter>(csvDeps->deps()->saverErrorHandler(),
                                                            csvDeps->deps()->saverCreator(),
                                                            m_run.get(), &m_runContextGetter)),
      m_csv(m_csvExporter, m_csvImporter),
      m_fileCommands(m_run.get(), &m_boxes, &m_askCleaner, &m_csv, &m_pdf),
      m_liveRunGuard(controller, &m_askCleaner, &m_fileCommands, csvDeps->messageBoxContext()),
      m_dispatcher({startStop, &m_liveRunGuard, &m_fileCommands, &m_liveRunGuard, &m_runContext,
                    &m_fileCommands, &m_retranslator, &m_formula, &m_manager, &m_manager,
                    &m_manager, &m_manager, controller})
{
    // The page shows the default formula from the start; the run computes by it too.
    m_run->setCalcFormula(CalcFormula::defaultValue());
    QObject::connect(m_run.get(), &Drying::HumidityData::changed, &m_plot,
                     &Common::PlotWrapper::onDataChanged);

    const auto queued = Qt::QueuedConnection;
    QObject::connect(controller, &HLDryerController::ready, &m_manager, &TdManager::onReady,
                     queued);
    QObject::connect(controller, &HLDryerController::error, &m_manager,
                     &TdManager::onControllerError, queued);
    QObject::connect(controller, &HLDryerController::dryingEnd, &m_manager, &TdManager::onDryingEnd,
                     queued);
    QObject::connect(controller, &HLDryerController::dryingStarted, &m_manager,
                     &TdManager::onDryingStart, queued);
    QObject::connect(controller, &HLDryerController::result, &m_measurementHandler,
                     &MeasurementSignalHandler::onMeasurement, queued);

    m_runContext.load();
    m_labels.updateLabels();
    m_tabReceivers = {&m_sourceLabel, &m_manager, &m_tabFormula};
}

TdComposition::~TdComposition()
{
    // A plot that no page adopted has no other owner.
    Common::Widgets::ScatterPlot* plot = m_plot.widget();
    if (plot && !plot->parent())
        delete plot;
}

TabDryer* TdComposition::createTab()
{
    auto* tab = new TabDryer(&m_texts, &m_dispatcher);
    tab->setPlotWidget(m_plot.widget());
    tab->setTableModel(m_run->model());
    notifyTabReceivers(tab);
    // The page may go before this composition (with the main window), while
    // the controller's signals still come; the manager as context drops the
    // connection should this composition go first.
    QObject::connect(tab, &QObject::destroyed, &m_manager, [this] { notifyTabReceivers(nullptr); });
    return tab;
}

void TdComposition::notifyTabReceivers(ITabDrying* tab)
{
    for (ITdTabReceiver* receiver : qAsConst(m_tabReceivers))
        receiver->setTab(tab);
}

} // namespace KD
