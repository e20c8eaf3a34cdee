#pragma once

#include "search/ISearchCommandCreator.h"
#include "search/ISearchInfo.h"

// The analyzer's probe ("SJ" twice, "SW9") over the rates a test chooses,
// on every kind of port.
class ProbeSearchInfo : public Common::Communication::ISearchInfo,
                        public Common::Communication::ISearchCommandCreator
{
public:
    explicit ProbeSearchInfo(QVector<int> rates = {115200, 9600}) : m_rates(std::move(rates)) { }

    QVector<int> baudRates() override { return m_rates; }
    Common::Communication::SearchOptions searchOptions() override;
    QVector<int> commandVariants() override { return {0}; }
    Common::Communication::ISearchCommandCreator* commandCreator() override { return this; }

    Common::Communication::Command* createInfoCommand(int variant) override;
    Common::Communication::Command* createEchoCommand(int variant) override;

private:
    QVector<int> m_rates;
};
