#include "drying/PdfCsvImportExport.h"

#include "ui/IDataCleaner.h"
#include "ui/IEmpty.h"
#include "ui/INothingtoSaveMessageBox.h"

namespace Common {

PdfCsvImportExport::PdfCsvImportExport(IEmpty* empty, INothingtoSaveMessageBox* nothingToSave,
                                       IDataCleaner* loadGuard, ICsvFacade* csv, IPdfGenerator* pdf)
    : m_empty(empty), m_nothingToSave(nothingToSave), m_loadGuard(loadGuard), m_csv(csv), m_pdf(pdf)
{ }

bool PdfCsvImportExport::save()
{
    if (refuseEmpty())
        return false;
    const bool saved = m_csv->save();
    if (saved)
        emit dataSaved();
    return saved;
}

bool PdfCsvImportExport::load()
{
    if (!m_loadGuard->check())
        return false;
    const bool loaded = m_csv->load();
    if (loaded)
        emit dataLoaded();
    return loaded;
}

bool PdfCsvImportExport::generatePdf()
{
    if (refuseEmpty())
        return false;
    const bool made = m_pdf->generatePdf();
    if (made)
        emit dataSaved();
    return made;
}

bool PdfCsvImportExport::refuseEmpty()
{
    if (!m_empty->isEmpty())
        return false;
    m_nothingToSave->showNothingToSave();
    return true;
}

} // namespace Common
