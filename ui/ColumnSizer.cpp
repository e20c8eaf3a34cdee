#include "ui/ColumnSizer.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

namespace Common {

namespace {

// Rows measured of one batch of new rows, and of a model that was reset.
constexpr int rowsOfABatch = 16;
constexpr int rowsOfAReset = 256;
// Texts whose widths are remembered: a reset's rows in every column, and more.
constexpr int widthsRemembered = 4096;

// The width of text, laid out only when it is not remembered.
template <typename Measure>
int remembered(QHash<QString, int>& widths, const QString& text, Measure measure)
{
    const auto known = widths.constFind(text);
    if (known != widths.constEnd())
        return *known;
    if (widths.size() >= widthsRemembered)
        widths.clear();
    const int width = measure(text);
    widths.insert(text, width);
    return width;
}

} // namespace

ColumnSizer::ColumnSizer(QTableView* view, const QVariantList& typical, int readColumn,
                         bool readColumnFromRows)
    : QObject(view), m_view(view), m_typical(typical), m_readColumn(readColumn),
      m_readColumnFromRows(readColumnFromRows)
{
    QHeaderView* header = view->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    // The read column takes the rest, not the last one.
    header->setStretchLastSection(false);
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this, &ColumnSizer::onSectionResized);
    followModel();
}

void ColumnSizer::followModel()
{
    for (const QMetaObject::Connection& connection : qAsConst(m_modelConnections))
        disconnect(connection);
    m_modelConnections.clear();
    if (QAbstractItemModel* model = m_view->model()) {
        m_modelConnections << connect(model, &QAbstractItemModel::rowsInserted, this,
                                      [this](const QModelIndex& parent, int first, int last) {
                                          if (!parent.isValid())
                                              onRowsInserted(first, last);
                                      });
        m_modelConnections << connect(model, &QAbstractItemModel::rowsRemoved, this,
                                      [this](const QModelIndex& parent, int first, int last) {
                                          if (!parent.isValid())
                                              onRowsRemoved(first, last);
                                      });
        m_modelConnections << connect(model, &QAbstractItemModel::modelReset, this,
                                      &ColumnSizer::onModelReset);
        m_modelConnections << connect(model, &QAbstractItemModel::columnsInserted, this,
                                      &ColumnSizer::onModelReset);
        m_modelConnections << connect(model, &QAbstractItemModel::headerDataChanged, this,
                                      &ColumnSizer::fit);
    }
    onModelReset();
}

void ColumnSizer::onModelReset()
{
    const QAbstractItemModel* model = m_view->model();
    const int columns = model ? model->columnCount() : 0;
    if (columns != m_given.size())
        m_userSized.clear();
    m_rowWidths.fill(0, columns);
    m_rowLengths.fill(0, columns);
    m_given.fill(-1, columns);
    m_pendingFirst = m_pendingLast = -1;
    if (model)
        measureRows(0, qMin(model->rowCount(), rowsOfAReset) - 1, false);
    fit();
}

void ColumnSizer::onRowsInserted(int first, int last)
{
    // A loaded run or a log flood arrives row by row: the rows of one turn of
    // the event loop are measured together when it turns.
    if (m_pendingFirst < 0) {
        m_pendingFirst = first;
        m_pendingLast = last;
        QMetaObject::invokeMethod(this, &ColumnSizer::measurePending, Qt::QueuedConnection);
        return;
    }
    // Rows inserted before pending ones move them on.
    const int count = last - first + 1;
    if (first <= m_pendingFirst)
        m_pendingFirst += count;
    if (first <= m_pendingLast)
        m_pendingLast += count;
    m_pendingFirst = qMin(m_pendingFirst, first);
    m_pendingLast = qMax(m_pendingLast, last);
}

void ColumnSizer::onRowsRemoved(int first, int last)
{
    if (m_pendingFirst < 0)
        return;
    // The pending rows left, where they are now (a log drops its oldest rows).
    const int count = last - first + 1;
    const auto now = [&](int row, int removedTo) {
        return row < first ? row : row > last ? row - count : removedTo;
    };
    m_pendingFirst = now(m_pendingFirst, first);
    m_pendingLast = now(m_pendingLast, first - 1);
    if (m_pendingLast < m_pendingFirst)
        m_pendingFirst = m_pendingLast = -1;
}

void ColumnSizer::measurePending()
{
    const int last = m_pendingLast;
    const int first = qMax(m_pendingFirst, last - rowsOfABatch + 1);
    m_pendingFirst = m_pendingLast = -1;
    if (last >= 0 && measureRows(first, last, true))
        fit();
}

bool ColumnSizer::measureRows(int first, int last, bool onlyLonger)
{
    const QAbstractItemModel* model = m_view->model();
    if (!model || first > last)
        return false;
    bool widened = false;
    const int columns = qMin(model->columnCount(), m_rowWidths.size());
    for (int column = 0; column < columns; ++column) {
        if (column == m_readColumn && !m_readColumnFromRows)
            continue;
        int widest = m_rowWidths.at(column);
        for (int row = first; row <= last; ++row) {
            const QString text = cellText(column, model->data(model->index(row, column)));
            // Laying out text is what costs: a new row's text no longer than
            // the longest measured reads no wider, near enough (digits are all
            // as wide).
            if (onlyLonger && text.size() <= m_rowLengths.at(column))
                continue;
            m_rowLengths[column] = qMax(m_rowLengths.at(column), int(text.size()));
            widest = qMax(widest, cellWidth(text));
        }
        if (widest > m_rowWidths.at(column)) {
            m_rowWidths[column] = widest;
            widened = true;
        }
    }
    return widened;
}

QString ColumnSizer::cellText(int column, const QVariant& value) const
{
    // Dates and times read as the view's delegate writes them.
    const QAbstractItemDelegate* given = m_view->itemDelegateForColumn(column);
    const auto* delegate =
        qobject_cast<const QStyledItemDelegate*>(given ? given : m_view->itemDelegate());
    return delegate ? delegate->displayText(value, m_view->locale()) : value.toString();
}

int ColumnSizer::cellWidth(const QString& text) const
{
    return remembered(m_cellWidths, text,
                      [this](const QString& cell) { return cellTextWidth(m_view, cell); });
}

int ColumnSizer::headerWidth(int column) const
{
    const QHeaderView* header = m_view->horizontalHeader();
    const QAbstractItemModel* model = m_view->model();
    int width = header->minimumSectionSize();
    if (model)
        width = qMax(
            width,
            remembered(m_headerWidths, model->headerData(column, Qt::Horizontal).toString(),
                       [header](const QString& text) { return headerTextWidth(header, text); }));
    return width;
}

int ColumnSizer::ownWidth(int column) const
{
    int width = headerWidth(column);
    const QVariant typical = m_typical.value(column);
    if (typical.isValid())
        width = qMax(width, cellWidth(cellText(column, typical)));
    if (column == m_readColumn && m_readColumnFromRows)
        width = qMax(width, fromRows(column));
    return width;
}

int ColumnSizer::fromRows(int column) const { return m_rowWidths.value(column); }

void ColumnSizer::fit()
{
    const QAbstractItemModel* model = m_view->model();
    if (!model)
        return;
    const QHeaderView* header = m_view->horizontalHeader();
    const int columns = qMin(model->columnCount(), m_given.size());
    QVector<int> widths(columns, 0);
    int before = 0;
    for (int column = 0; column < columns; ++column) {
        if (column == m_readColumn || header->isSectionHidden(column))
            continue;
        widths[column] = m_userSized.contains(column) ? header->sectionSize(column)
                                                      : qMax(ownWidth(column), fromRows(column));
        if (column < m_readColumn)
            before += widths.at(column);
    }
    // What rows widened the columns before the read column by goes back as
    // far as the read column needs to stay in view.
    int excess = before + ownWidth(m_readColumn) - m_view->viewport()->width();
    for (int column = 0; column < m_readColumn && column < columns && excess > 0; ++column) {
        if (header->isSectionHidden(column) || m_userSized.contains(column))
            continue;
        const int cut = qMin(excess, widths.at(column) - ownWidth(column));
        if (cut > 0) {
            widths[column] -= cut;
            excess -= cut;
        }
    }
    for (int column = 0; column < columns; ++column) {
        if (column != m_readColumn && !header->isSectionHidden(column)
            && !m_userSized.contains(column))
            setWidth(column, widths.at(column));
    }
    fillReadColumn();
    emit fitted();
}

void ColumnSizer::fillReadColumn()
{
    const QHeaderView* header = m_view->horizontalHeader();
    if (m_readColumn < 0 || m_readColumn >= m_given.size() || header->isSectionHidden(m_readColumn)
        || m_userSized.contains(m_readColumn))
        return;
    int others = 0;
    for (int column = 0; column < header->count(); ++column) {
        if (column != m_readColumn && !header->isSectionHidden(column))
            others += header->sectionSize(column);
    }
    // Short of room, the read column still ends in view, its text cut, while
    // at least half its header reads there; with less, a scroll bar shows it.
    const int rest = m_view->viewport()->width() - others;
    setWidth(m_readColumn, 2 * rest >= headerWidth(m_readColumn) ? rest : ownWidth(m_readColumn));
}

void ColumnSizer::setWidth(int column, int width)
{
    m_given[column] = width;
    QHeaderView* header = m_view->horizontalHeader();
    if (header->sectionSize(column) == width)
        return;
    m_resizing = true;
    header->resizeSection(column, width);
    m_resizing = false;
}

void ColumnSizer::onSectionResized(int column, int oldSize, int newSize)
{
    if (m_resizing)
        return;
    // Hidden or shown again: the others make room or take it.
    if (oldSize == 0 || newSize == 0) {
        fit();
        return;
    }
    if (newSize != m_given.value(column, -1))
        m_userSized.insert(column);
    if (column != m_readColumn)
        fillReadColumn();
}

int ColumnSizer::neededViewWidth() const
{
    const QHeaderView* header = m_view->horizontalHeader();
    int width = 2 * m_view->frameWidth();
    if (!m_view->verticalHeader()->isHidden())
        width += m_view->verticalHeader()->sizeHint().width();
    if (m_view->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width += m_view->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_given.size(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        if (m_userSized.contains(column))
            width += header->sectionSize(column);
        else if (column == m_readColumn)
            width += ownWidth(column);
        else
            width += qMax(ownWidth(column), fromRows(column));
    }
    return width;
}

const ColumnSizer* ColumnSizer::of(const QTableView* view)
{
    return view->findChild<const ColumnSizer*>(QString(), Qt::FindDirectChildrenOnly);
}

int ColumnSizer::headerTextWidth(const QHeaderView* header, const QString& text)
{
    // The header measures its texts bold, as a highlighted section shows them.
    QFont bold = header->font();
    bold.setBold(true);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return QFontMetrics(bold).horizontalAdvance(text) + 2 * margin;
}

int ColumnSizer::cellTextWidth(const QTableView* view, const QString& text)
{
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int grid = view->showGrid() ? 1 : 0;
    // One pixel for the text layout rounding a fractional advance up.
    return view->fontMetrics().horizontalAdvance(text) + 2 * margin + grid + 1;
}

bool ColumnSizer::eventFilter(QObject* watched, QEvent* event)
{
    // The view sends events (a hide) while it is destroyed, when it is no
    // longer a table view: look at the event's type before touching it.
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize) {
        if (watched != m_view && watched == m_view->viewport())
            fit();
    } else if (watched == m_view && (type == QEvent::FontChange || type == QEvent::StyleChange)) {
        m_cellWidths.clear();
        m_headerWidths.clear();
        fit();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Common
