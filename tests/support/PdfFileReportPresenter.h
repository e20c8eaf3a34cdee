#pragma once

#include "drying/IReportPresenter.h"

#include <QString>

#include <functional>

// Stands in for the report preview while it exists: each report shown is
// printed straight to the given PDF file. Restores the previous presenter
// when destroyed.
class PdfFileReportPresenter : public Common::PDF::IReportPresenter
{
public:
    explicit PdfFileReportPresenter(const QString& path);
    ~PdfFileReportPresenter() override;

    void present(Common::PDF::ReportEngine& engine) override;

    // Runs while the "preview" is open, before the file is written.
    void setWhileOpen(std::function<void()> action) { m_whileOpen = std::move(action); }
    int shown() const { return m_shown; }
    bool printed() const { return m_printed; }

private:
    Common::PDF::IReportPresenter* m_previous;
    QString m_path;
    std::function<void()> m_whileOpen;
    int m_shown = 0;
    bool m_printed = false;
};
