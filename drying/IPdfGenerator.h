#pragma once

namespace Common {

class IPdfGenerator
{
public:
    virtual ~IPdfGenerator() = default;
    virtual bool generatePdf() = 0;
};

} // namespace Common
