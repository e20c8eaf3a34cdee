#pragma once

namespace Common {
namespace PDF {

class ReportEngine;

// Shows a made report. The program opens the modal preview; tests put a
// presenter in place that writes the PDF file at once.
class IReportPresenter
{
public:
    virtual ~IReportPresenter() = default;
    virtual void present(ReportEngine& engine) = 0;
};

} // namespace PDF
} // namespace Common
