#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QVariantList>
#include <QVector>

class QHeaderView;
class QTableView;

namespace Common {

// Sizes a table's columns so that they read whole in a small window, without
// measuring a long model: each column is as wide as its header and a typical
// value, and widens for longer values in rows as they arrive (a few of the
// rows that arrived in one turn of the event loop, measured when it turns, so
// a log flood or a run loaded row by row costs the same per row). The column
// a user reads takes the room left over and keeps at least its own width, or
// where the view is too narrow for that, at least its header's; a column
// before it widens only as far as the read column stays in view. A column the
// user dragged keeps the width the user gave it. It lives as long as its view.
class ColumnSizer : public QObject
{
    Q_OBJECT

public:
    // typical: one value per column (an invalid one for none), written as
    // the view writes its cells. The read column's own rows
    // widen it only when readColumnFromRows is true: a message may be as
    // long as a line, a name is not.
    ColumnSizer(QTableView* view, const QVariantList& typical, int readColumn,
                bool readColumnFromRows);

    // After the view was given another model.
    void followModel();
    void fit();
    // The view's width with every column at the width it needs, its frame,
    // vertical header and scroll bar included.
    int neededViewWidth() const;
    // The sizer of a view, null when it has none.
    static const ColumnSizer* of(const QTableView* view);

    // The section width that shows text whole in a header, and in a cell.
    static int headerTextWidth(const QHeaderView* header, const QString& text);
    static int cellTextWidth(const QTableView* view, const QString& text);

signals:
    void fitted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onRowsInserted(int first, int last);
    void onRowsRemoved(int first, int last);
    void measurePending();
    void onModelReset();
    void onSectionResized(int column, int oldSize, int newSize);
    // Whether a column widened; onlyLonger measures only texts longer than
    // any measured before.
    bool measureRows(int first, int last, bool onlyLonger);
    void fillReadColumn();
    QString cellText(int column, const QVariant& value) const;
    // Widths of texts laid out before: a refresh that shows the same rows
    // lays out none again.
    int cellWidth(const QString& text) const;
    int headerWidth(int column) const;
    int ownWidth(int column) const;
    int fromRows(int column) const;
    void setWidth(int column, int width);

    QTableView* m_view;
    QVariantList m_typical;
    int m_readColumn;
    bool m_readColumnFromRows;
    QVector<int> m_rowWidths;
    QVector<int> m_rowLengths;
    QVector<int> m_given;
    QSet<int> m_userSized;
    // Rows inserted since the event loop last turned, none while first is -1.
    int m_pendingFirst = -1;
    int m_pendingLast = -1;
    mutable QHash<QString, int> m_cellWidths;
    mutable QHash<QString, int> m_headerWidths;
    QVector<QMetaObject::Connection> m_modelConnections;
    bool m_resizing = false;
};

} // namespace Common
