#include "terminal/LogModelHandler.h"

#include "terminal/FilterWidgetNew.h"
#include "terminal/ILogFetcher.h"
#include "terminal/LogTableRecord.h"
#include "ui/ColumnSizer.h"
#include "ui/CsvFileWriter.h"
#include "ui/IMessageBoxesFileOperation.h"
#include "ui/TextFileWriter.h"
#include "ui/VornFileDialog.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace Common {

namespace {

const QString lineEnd = QStringLiteral("\r\n");
constexpr int logColumns = 5;
// A row that has grown this long is not continued: a device at the wrong
// baud rate sends without end and never a CR LF, and re-joining an ever
// longer row on every piece would stall the view.
constexpr int maxJoinedLength = 4096;

} // namespace

LogModelHandler::LogModelHandler(QObject* parent)
    : QObject(parent), m_raw(logColumns), m_formattedTable(logColumns), m_fetchTimer(this)
{
    setColumnTitles();
    m_fetchTimer.setInterval(fetchInterval);
    connect(&m_fetchTimer, &QTimer::timeout, this, &LogModelHandler::onFetchTimer);
    m_fetchTimer.start();
}

void LogModelHandler::setTableView(QTableView* view)
{
    if (m_view)
        m_view->removeEventFilter(this);
    m_view = view;
    if (!view)
        return;
    view->installEventFilter(this);
    showCurrentTable();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    // One line per row: a long message is cut at the end, not wrapped away.
    view->setWordWrap(false);
    // The message, which a user reads, takes what the others leave; the
    // interface widens for the connections logged as far as the message
    // stays in view.
    delete m_columns;
    m_columns = new ColumnSizer(view,
                                {QStringLiteral("OUT"), QVariant(), QDate(2026, 12, 28),
                                 QTime(23, 59, 59), QStringLiteral("SW9<CR><LF>")},
                                logColumns - 1, false);
    QHeaderView* rows = view->verticalHeader();
    rows->setMinimumSectionSize(10);
    rows->setMaximumSectionSize(100);
    rows->setDefaultSectionSize(20);
}

void LogModelHandler::setFilterWidget(Filters::FilterWidgetNew* filterWidget)
{
    m_filterWidget = filterWidget;
    if (!filterWidget)
        return;
    connect(filterWidget, &Filters::FilterWidgetNew::visiblityChanged, this,
            &LogModelHandler::onVisiblityChanged);
    connect(filterWidget, &Filters::FilterWidgetNew::filterChanged, this,
            &LogModelHandler::onFilterChanged);
}

void LogModelHandler::initColumns()
{
    if (!m_filterWidget)
        return;
    using Id = VornLogViewTrProvider::Id;
    const TranslationListGetter directions(
        {TranslationHandle(&m_trProvider, Id::In), TranslationHandle(&m_trProvider, Id::Out)});
    const QVector<LogColumnFilterSpec> columns = {
        LogColumnFilterSpec::enumeration(directions),
        LogColumnFilterSpec::text(),
        LogColumnFilterSpec::date(QStringLiteral("dd-MM-yyyy")),
        LogColumnFilterSpec::time(QStringLiteral("HH:mm:ss")),
        LogColumnFilterSpec::text(),
    };
    QVector<TranslationHandle> titles;
    for (int id = Id::InOut; id <= Id::Message; ++id)
        titles.append(TranslationHandle(&m_trProvider, id));
    m_filterWidget->setColumns(columns, TranslationListGetter(titles));
}

void LogModelHandler::setFormatMode(bool formatted)
{
    m_formatted = formatted;
    showCurrentTable();
}

void LogModelHandler::showCurrentTable()
{
    if (!m_view)
        return;
    // A new model resets the header; the widths the user gave stay.
    QVector<int> widths;
    for (int column = 0; m_view->model() && column < logColumns; ++column)
        widths.append(m_view->columnWidth(column));
    m_view->setModel(m_formatted ? &m_formattedTable : &m_raw);
    for (int column = 0; column < widths.size(); ++column) {
        if (widths.at(column) > 0)
            m_view->setColumnWidth(column, widths.at(column));
    }
    if (m_columns)
        m_columns->followModel();
    onVisiblityChanged();
}

void LogModelHandler::clear()
{
    m_formattedTable.clear();
    m_raw.clear();
}

void LogModelHandler::onFilterChanged(int column)
{
    if (!m_filterWidget)
        return;
    m_raw.setFilter(column, m_filterWidget->filterOf(column));
    m_formattedTable.setFilter(column, m_filterWidget->filterOf(column));
}

void LogModelHandler::onVisiblityChanged()
{
    if (!m_view)
        return;
    const QSet<int> visible = visibleColumns();
    for (int column = 0; column < logColumns; ++column)
        m_view->setColumnHidden(column, !visible.contains(column));
}

QSet<int> LogModelHandler::visibleColumns() const
{
    if (m_filterWidget)
        return m_filterWidget->visibleColumns();
    QSet<int> all;
    for (int column = 0; column < logColumns; ++column)
        all.insert(column);
    return all;
}

void LogModelHandler::onFetchTimer()
{
    // Runs from construction; without a fetcher there is nothing to drain.
    if (!m_fetcher)
        return;
    QScrollBar* bar = m_view ? m_view->verticalScrollBar() : nullptr;
    const int position = bar ? bar->value() : 0;
    const bool atBottom = bar && position == bar->maximum();
    takeEntries(-1);
    if (!bar)
        return;
    if (atBottom)
        m_view->scrollToBottom();
    else
        bar->setValue(position);
}

void LogModelHandler::onNewLog()
{
    if (m_fetcher)
        takeEntries(1);
}

void LogModelHandler::takeEntries(int limit)
{
    QVector<CustomTableRecord*> raw;
    QVector<CustomTableRecord*> formatted;
    for (int taken = 0; (limit < 0 || taken < limit) && m_fetcher->hasRecords(); ++taken) {
        const Communication::LogEntry entry = m_fetcher->takeFirst();
        raw.append(new LogTableRecord(entry));
        appendFormatted(entry, formatted);
    }
    m_raw.addRecords(raw);
    m_formattedTable.addRecords(formatted);
}

void LogModelHandler::appendFormatted(const Communication::LogEntry& entry,
                                      QVector<CustomTableRecord*>& batch)
{
    const VornLogRecord& in = entry.record;
    const CustomTableRecord* lastRecord = nullptr;
    if (!batch.isEmpty())
        lastRecord = batch.last();
    else if (m_formattedTable.allRowCount() > 0)
        lastRecord = m_formattedTable.allRecord(m_formattedTable.allRowCount() - 1);
    const auto* last = static_cast<const LogTableRecord*>(lastRecord);
    QString pending;
    if (last && !last->message().endsWith(lineEnd) && last->message().size() < maxJoinedLength
        && last->isIn() == entry.isIn && last->interface() == in.interface)
        pending = last->message();
    // The unfinished line is taken back and added again with this piece.
    if (!pending.isEmpty()) {
        if (batch.isEmpty())
            m_formattedTable.removeLast();
        else
            delete batch.takeLast();
    }
    const QString text = pending + in.message;
    const QVector<QStringRef> parts = text.splitRef(lineEnd);
    for (int i = 0; i < parts.size() - 1; ++i)
        batch.append(new LogTableRecord(entry.isIn, in.interface, in.date, in.time,
                                        parts.at(i).toString() + lineEnd));
    if (!text.endsWith(lineEnd))
        batch.append(new LogTableRecord(entry.isIn, in.interface, in.date, in.time,
                                        parts.last().toString()));
}

void LogModelHandler::exportRaw()
{
    const QString path =
        askSaveTextPath(QStringLiteral("TerminalLogsRaw"), VornFileDialog::TxtFile);
    if (path.isEmpty())
        return;
    TextFileWriter writer;
    if (!writer.open(path)) {
        reportFileError();
        return;
    }
    for (int i = 0; i < m_raw.allRowCount(); ++i) {
        const auto* record = static_cast<const LogTableRecord*>(m_raw.allRecord(i));
        if (record->isIn())
            writer.write(record->message());
    }
    if (!writer.close())
        reportFileError();
}

void LogModelHandler::exportFormatted()
{
    const QString path =
        askSaveTextPath(QStringLiteral("TerminalLogsFormatted"), VornFileDialog::CsvFile);
    if (path.isEmpty())
        return;
    CsvFileWriter writer;
    if (!writer.open(path)) {
        reportFileError();
        return;
    }
    writer.setSeparator(QStringLiteral("\t"));
    const QSet<int> visible = visibleColumns();
    for (int row = 0; row < m_formattedTable.rowCount(); ++row) {
        QStringList fields{QString::number(row)};
        for (int column = 0; column < logColumns; ++column) {
            if (visible.contains(column))
                fields << m_formattedTable.data(m_formattedTable.index(row, column)).toString();
        }
        writer.writeRow(fields);
    }
    if (!writer.close())
        reportFileError();
}

void LogModelHandler::reportFileError()
{
    if (m_fileMessages)
        m_fileMessages->showFileOpenError();
}

void LogModelHandler::setColumnTitles()
{
    for (int column = 0; column < logColumns; ++column) {
        const QString title = m_trProvider.text(column);
        m_raw.setHeaderData(column, Qt::Horizontal, title, Qt::DisplayRole);
        m_formattedTable.setHeaderData(column, Qt::Horizontal, title, Qt::DisplayRole);
    }
}

bool LogModelHandler::eventFilter(QObject* watched, QEvent* event)
{
    // Only the view is watched; it may be in its destructor here, so it is
    // not compared through the guarded (typed) pointer.
    if (event->type() == QEvent::LanguageChange)
        setColumnTitles();
    return QObject::eventFilter(watched, event);
}

} // namespace Common
