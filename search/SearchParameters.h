#pragma once

#include <QVector>

// Baud-rate lists of the serial search, persisted under "SearchBaudrates".
class SearchParameters
{
public:
    // The selectable override when set, else every rate.
    QVector<int> selectableBaudRates() const;
    void setSelectableBaudRates(const QVector<int>& rates) { m_selectable = rates; }
    // The search override when set, else the default search rates.
    QVector<int> searchBaudRates() const;
    void setSearchBaudRates(const QVector<int>& rates) { m_search = rates; }
    QVector<int> savedSearchBaudRates() const { return m_saved; }

    // Reads the saved rates; unreadable parts are skipped and nothing
    // readable falls back to the selectable rates.
    void loadSearchBaudrates();
    void saveSearchBaudrates(const QVector<int>& rates);

private:
    QVector<int> m_all{4800, 9600, 19200, 38400, 57600, 115200};
    QVector<int> m_defaultSearch{9600, 115200};
    QVector<int> m_selectable;
    QVector<int> m_search;
    QVector<int> m_saved;
};
