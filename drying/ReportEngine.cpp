#include "drying/ReportEngine.h"

#include "drying/IReportPresenter.h"
#include "drying/ReportPreviewDialog.h"
#include "drying/ReportRenderer.h"
#include "ui/CheckedSaveFile.h"

#include <QPdfWriter>

namespace Common {
namespace PDF {

namespace {

class DialogPresenter : public IReportPresenter
{
public:
    void present(ReportEngine& engine) override
    {
        ReportPreviewDialog dialog(&engine);
        dialog.exec();
    }
};

IReportPresenter* replacedPresenter = nullptr;

void describe(QPdfWriter& writer, const ReportDataManager& data)
{
    writer.setCreator(QStringLiteral("Brenko Sorvana"));
    writer.setTitle(data.text(QStringLiteral("Title")));
}

} // namespace

ReportEngine::ReportEngine(QObject* parent) : QObject(parent) { }

bool ReportEngine::loadFromFile(const QString& path)
{
    m_loaded = m_template.load(path);
    m_error = m_template.errorString();
    return m_loaded;
}

void ReportEngine::previewReport()
{
    if (m_loaded)
        presenter()->present(*this);
}

bool ReportEngine::printToPdf(const QString& path)
{
    if (!m_loaded)
        return false;
    // Written aside and put in place only when complete, so a full disk
    // neither passes as success nor destroys an older report.
    CheckedSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool painted;
    {
        QPdfWriter writer(&file);
        describe(writer, m_data);
        painted = render(&writer);
    }
    if (!painted) {
        file.discard();
        return false;
    }
    if (!file.commitComplete())
        return false;
    emit printedToPDF(path);
    return true;
}

bool ReportEngine::render(QPagedPaintDevice* device) const
{
    ReportRenderer renderer(m_template, m_data);
    return renderer.render(device);
}

void ReportEngine::preparePage(QPagedPaintDevice* device) const
{
    ReportRenderer(m_template, m_data).preparePage(device);
}

void ReportEngine::setPresenter(IReportPresenter* presenter) { replacedPresenter = presenter; }

IReportPresenter* ReportEngine::presenter()
{
    static DialogPresenter dialog;
    return replacedPresenter ? replacedPresenter : &dialog;
}

} // namespace PDF
} // namespace Common
