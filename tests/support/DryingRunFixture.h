#pragma once

#include "drying/CsvControllerDeps.h"
#include "drying/DryingInfoGetter.h"
#include "drying/DryingTimeGetter.h"
#include "drying/FileDataReceiver.h"
#include "drying/HumidityData.h"
#include "drying/ICalcFormulaSetter.h"
#include "drying/TdCsvContextSetter.h"
#include "drying/TdCsvExporter.h"
#include "drying/TdCsvImporter.h"
#include "drying/TdRunContext.h"
#include "drying/TdRunContextGetter.h"
#include "ui/IPlot.h"

// The drying page's run data, run context and run file objects wired as the
// page wires them, without the page: the formula goes straight to the run.
struct DryingRunFixture
{
    struct Plot : Common::IPlot
    {
        void replot() override { ++replots; }
        void resetZoom() override { ++zoomResets; }
        int replots = 0;
        int zoomResets = 0;
    };
    struct FormulaSetter : KD::ICalcFormulaSetter
    {
        explicit FormulaSetter(KD::Drying::HumidityData* run) : run(run) { }
        void setCalcFormula(int id) override
        {
            formula = id;
            run->setCalcFormula(id);
        }
        KD::Drying::HumidityData* run;
        int formula = -1;
    };

    DryingRunFixture();

    // Appends records at the given times (ms from the first) and masses.
    void addRecords(const QList<QPair<int, double>>& records);

    KD::Drying::HumidityData run;
    KD::Drying::DryingInfoGetter info{&run};
    KD::Drying::DryingTimeGetter time{&run};
    Plot plot;
    KD::Drying::FileDataReceiver receiver{&time, &run, &plot};
    KD::Drying::TdRunContext context{&info};
    KD::Drying::TdRunContextGetter contextGetter{&context, &info};
    FormulaSetter formula{&run};
    MessageBoxContext boxes;
    Common::CsvControllerDeps deps{boxes};
    KD::Drying::TdCsvContextSetter contextSetter{&formula, &context, &info};
    KD::Drying::TdCsvExporter exporter{deps.saverErrorHandler(), deps.saverCreator(), &run,
                                       &contextGetter};
    KD::Drying::TdCsvImporter importer{deps.loaderCreator(), deps.loaderErrorHandler(), &receiver,
                                       &contextSetter};
};
