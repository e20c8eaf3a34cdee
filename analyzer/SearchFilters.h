#pragma once

#include "analyzer/DeviceFilters.h"
#include "search/SearchParameters.h"

// What main keeps for the device search: the analyzer's search information
// and the baud-rate lists it reads.
class SearchFilters
{
public:
    SearchFilters() : m_deviceFilters(&m_searchParameters) { }
    SearchFilters(const SearchFilters&) = delete;
    SearchFilters& operator=(const SearchFilters&) = delete;

    KD::Communication::DeviceFilters* deviceFilters() { return &m_deviceFilters; }
    SearchParameters* searchParameters() { return &m_searchParameters; }

private:
    KD::Communication::DeviceFilters m_deviceFilters;
    SearchParameters m_searchParameters;
};
