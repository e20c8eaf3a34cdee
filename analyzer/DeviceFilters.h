#pragma once

#include "analyzer/SearchCommandCreator.h"
#include "search/ISearchInfo.h"

class SearchParameters;

namespace KD {
namespace Communication {

// What the device search tries for the analyzer: serial ports only (FTDI and
// other ports), the saved baud rates with the search rates first, variant 0.
class DeviceFilters : public Common::Communication::ISearchInfo
{
public:
    explicit DeviceFilters(SearchParameters* parameters);

    QVector<int> baudRates() override;
    Common::Communication::SearchOptions searchOptions() override;
    QVector<int> commandVariants() override;
    Common::Communication::ISearchCommandCreator* commandCreator() override;

private:
    SearchCommandCreator m_creator;
    SearchParameters* m_parameters;
};

} // namespace Communication
} // namespace KD
