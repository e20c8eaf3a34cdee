#include "analyzer/DeviceFilters.h"

#include "search/SearchParameters.h"

namespace KD {
namespace Communication {

DeviceFilters::DeviceFilters(SearchParameters* parameters) : m_parameters(parameters) { }

QVector<int> DeviceFilters::baudRates()
{
    QVector<int> rates = m_parameters->savedSearchBaudRates();
    // Each search rate the user kept goes to the front; one the user
    // dropped stays dropped.
    for (int rate : m_parameters->searchBaudRates()) {
        if (rates.removeOne(rate))
            rates.prepend(rate);
    }
    return rates;
}

Common::Communication::SearchOptions DeviceFilters::searchOptions()
{
    Common::Communication::SearchOptions options;
    options.unused1 = 1;
    options.networkSearch = 0;
    options.allowBluetooth = 0;
    options.allowFtdi = 1;
    options.allowTibbo = 0;
    options.allowOther = 1;
    options.unused7 = 1;
    return options;
}

QVector<int> DeviceFilters::commandVariants() { return {0}; }

Common::Communication::ISearchCommandCreator* DeviceFilters::commandCreator() { return &m_creator; }

} // namespace Communication
} // namespace KD
