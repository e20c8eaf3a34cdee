#pragma once

#include "drying/ICsvFacade.h"
#include "drying/IPdfGenerator.h"

#include <QObject>

namespace Common {

class IDataCleaner;
class IEmpty;
class INothingtoSaveMessageBox;

// The drying page's file commands: refuses to save or print an empty run and
// asks before a load replaces the current one.
class PdfCsvImportExport : public QObject, public ICsvFacade, public IPdfGenerator
{
    Q_OBJECT

public:
    PdfCsvImportExport(IEmpty* empty, INothingtoSaveMessageBox* nothingToSave,
                       IDataCleaner* loadGuard, ICsvFacade* csv, IPdfGenerator* pdf);

    bool save() override;
    bool load() override;
    bool generatePdf() override;

signals:
    void dataLoaded();
    void dataSaved();

private:
    bool refuseEmpty();

    IEmpty* m_empty;
    INothingtoSaveMessageBox* m_nothingToSave;
    IDataCleaner* m_loadGuard;
    ICsvFacade* m_csv;
    IPdfGenerator* m_pdf;
};

} // namespace Common
