#pragma once

class QString;

namespace Common {
namespace PDF {

// Learns where a report was saved as PDF.
class IPdfSavedListener
{
public:
    virtual ~IPdfSavedListener() = default;
    virtual void pdfSaved(const QString& path) = 0;
};

} // namespace PDF
} // namespace Common
