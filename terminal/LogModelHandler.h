#pragma once

#include "terminal/CustomTableLogModel.h"
#include "terminal/ILogWidgetManager.h"
#include "terminal/VornLogViewTrProvider.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QTableView;

namespace Common {

class ColumnSizer;
class IMessageBoxesFileOperation;

namespace Communication {
class ILogFetcher;
struct LogEntry;
} // namespace Communication

// Drains the communication logger every 500 ms into two log tables: the raw
// one (one row per piece as read or written) and the formatted one (pieces
// of one direction and interface joined and cut at CR LF). Applies the
// filter bar's predicates and column visibility, and writes the two exports.
// GUI thread only.
class LogModelHandler : public QObject, public ILogWidgetManager
{
    Q_OBJECT

public:
    static constexpr int fetchInterval = 500;

    explicit LogModelHandler(QObject* parent = nullptr);

    void setLogFetcher(Communication::ILogFetcher* fetcher) { m_fetcher = fetcher; }
    // Where an export that cannot be opened or written is reported.
    void setFileMessageBoxes(IMessageBoxesFileOperation* messages) { m_fileMessages = messages; }

    void setTableView(QTableView* view) override;
    void setFilterWidget(Filters::FilterWidgetNew* filterWidget) override;
    void initColumns() override;
    void setFormatMode(bool formatted) override;
    void exportRaw() override;
    void exportFormatted() override;
    void clear() override;

    bool isFormatted() const { return m_formatted; }
    CustomTableLogModel* rawTable() { return &m_raw; }
    CustomTableLogModel* formattedTable() { return &m_formattedTable; }

public slots:
    void onNewLog();
    void onFetchTimer();
    void onVisiblityChanged();
    void onFilterChanged(int column);

protected:
    // The view's language change re-titles the columns.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes up to `limit` entries (all for a negative limit) and adds them to
    // both tables, each table announcing its new rows at once.
    void takeEntries(int limit);
    // Joins the entry onto the formatted rows; new rows go to `batch`.
    void appendFormatted(const Communication::LogEntry& entry, QVector<CustomTableRecord*>& batch);
    void setColumnTitles();
    void showCurrentTable();
    QSet<int> visibleColumns() const;
    void reportFileError();

    QPointer<QTableView> m_view;
    QPointer<ColumnSizer> m_columns;
    QPointer<Filters::FilterWidgetNew> m_filterWidget;
    Communication::ILogFetcher* m_fetcher = nullptr;
    IMessageBoxesFileOperation* m_fileMessages = nullptr;
    VornLogViewTrProvider m_trProvider;
    bool m_formatted = true;
    CustomTableLogModel m_raw;
    CustomTableLogModel m_formattedTable;
    QTimer m_fetchTimer; // a child, so that a benchmark can find it
};

} // namespace Common
