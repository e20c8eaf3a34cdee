#pragma once

#include "app/TabDryerTrProvider.h"
#include "app/TabDryingController.h"
#include "drying/CsvFacadeComposed.h"
#include "drying/DryingInfoGetter.h"
#include "drying/DryingTimeGetter.h"
#include "drying/FileDataReceiver.h"
#include "drying/HumidityData.h"
#include "drying/MeasurementReceiver.h"
#include "drying/MeasurementSignalHandler.h"
#include "drying/PdfCsvImportExport.h"
#include "drying/PlotSvgGetter.h"
#include "drying/TdCsvContextSetter.h"
#include "drying/TdCsvExporter.h"
#include "drying/TdCsvImporter.h"
#include "drying/TdFormulaChangeHandler.h"
#include "drying/TdLabelsSetter.h"
#include "drying/TdLiveRunGuard.h"
#include "drying/TdManager.h"
#include "drying/TdPdfGenerator.h"
#include "drying/TdRetranslator.h"
#include "drying/TdRunClearer.h"
#include "drying/TdRunContext.h"
#include "drying/TdRunContextGetter.h"
#include "drying/TdSourceLabelHandler.h"
#include "drying/TdTabFormulaSetter.h"
#include "settings/CouldNotLoadFromDbMessageBox.h"
#include "settings/DbImplementation.h"
#include "terminal/HorizontalHeaderSetter.h"
#include "ui/AskCleaner.h"
#include "ui/Interval.h"
#include "ui/MessageBoxesAggregated.h"
#include "ui/PlotWrapper.h"
#include "ui/ScatterPlot.h"

#include <QVector>

#include <memory>

class TabDryer;

namespace Common {
class CsvDepsHolder;
}

namespace KD {

class AnalysisStartStop;
class HLDryerController;

// Builds, wires and owns everything behind the drying page: the run model
// and its plot, the run context, the CSV and PDF commands, the start guard,
// the labels, the formula handling and the page manager, and the page's
// controller. Members are declared in the order they are built; none is the
// Qt parent of another, so each is destroyed exactly once, in reverse.
class TdComposition
{
public:
    TdComposition(Common::CsvDepsHolder* csvDeps, HLDryerController* controller,
                  AnalysisStartStop* startStop);
    ~TdComposition();
    TdComposition(const TdComposition&) = delete;
    TdComposition& operator=(const TdComposition&) = delete;

    // The page, without parent: whoever takes it (the main window) owns it.
    TabDryer* createTab();
    // Asks before a start throws the run's records away.
    Common::IDataCleaner* startGuard() { return &m_askCleaner; }
    void notifyTabReceivers(ITabDrying* tab);

    // For tests and tools: the run behind the page.
    Drying::HumidityData* runData() { return m_run.get(); }
    const Drying::DryingInfoGetter* runInfo() const { return &m_info; }
    Common::PlotWrapper* plot() { return &m_plot; }
    const Common::IInterval* interval() const { return &m_interval; }

private:
    TabDryerTrProvider m_texts;
    std::shared_ptr<Drying::HumidityData> m_run;
    Common::Interval m_interval;
    Common::MessageBoxesAggregated m_boxes;
    Common::PlotWrapper m_plot;
    Drying::DryingInfoGetter m_info;
    Drying::MeasurementReceiver m_measurementReceiver;
    Drying::DryingTimeGetter m_time;
    Drying::FileDataReceiver m_fileReceiver;
    Common::HorizontalHeaderSetter m_header;
    Drying::TdRunContext m_runContext;
    Drying::TdRunContextGetter m_runContextGetter;
    Drying::TdRunClearer m_clearer;
    Common::AskCleaner m_askCleaner;
    Common::PlotSvgGetter m_plotPicture;
    Drying::TdPdfGenerator m_pdf;
    TdLabelsSetter m_labels;
    TdRetranslator m_retranslator;
    TdFormulaChangeHandler m_formula;
    DbImplementation m_database;
    TdSourceLabelHandler m_sourceLabel;
    CouldNotLoadFromDbMessageBox m_couldNotLoad;
    TdManager m_manager;
    MeasurementSignalHandler m_measurementHandler;
    TdTabFormulaSetter m_tabFormula;
    Drying::TdCsvContextSetter m_csvContext;
    std::shared_ptr<Drying::TdCsvImporter> m_csvImporter;
    std::shared_ptr<Drying::TdCsvExporter> m_csvExporter;
    Common::CsvFacadeComposed m_csv;
    Common::PdfCsvImportExport m_fileCommands;
    Drying::TdLiveRunGuard m_liveRunGuard;
    TabDryingController m_dispatcher;
    QVector<ITdTabReceiver*> m_tabReceivers;
};

} // namespace KD
