#include "terminal/CustomTableFilterModel.h"
#include "terminal/CustomTableLogModel.h"
#include "terminal/CustomTableModel.h"
#include "terminal/EnumFilter.h"
#include "terminal/HorizontalHeaderSetter.h"
#include "terminal/Int32Filter.h"
#include "terminal/LogEntry.h"
#include "terminal/LogTableRecord.h"
#include "terminal/StringFilter.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using namespace Common;

namespace {

int g_alive = 0;

// A row of arbitrary values; counts live instances to catch leaks and
// double deletes, and can be made writable.
class Row : public CustomTableRecord
{
public:
    explicit Row(QVariantList values, bool writable = false)
        : m_values(std::move(values)), m_writable(writable)
    {
        ++g_alive;
    }
    ~Row() override { --g_alive; }
    int columnCount() const override { return m_values.size(); }
    QVariant value(int column) const override { return m_values.value(column); }
    bool setValue(int column, const QVariant& value) override
    {
        if (!m_writable || column >= m_values.size())
            return false;
        m_values[column] = value;
        return true;
    }

private:
    QVariantList m_values;
    bool m_writable;
};

// A row of five columns whose last column is the id, as in the log.
Row* logRow(int id, const QString& direction = QStringLiteral("IN"))
{
    return new Row({direction, "COM1", QDate(2026, 12, 7), QTime(9, 0), id});
}

Filters::IFilter* idAbove(int limit)
{
    return new Filters::Int32Filter(Filters::GreaterThan, limit);
}

QList<int> shownIds(const CustomTableFilterModel& m)
{
    QList<int> ids;
    for (int r = 0; r < m.rowCount(); ++r)
        ids << m.record(r)->value(4).toInt();
    return ids;
}

} // namespace

class TestTableModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Qt::Orientation>(); }
    void cleanup() { QCOMPARE(g_alive, 0); }

    void plainModelRows()
    {
        CustomTableModel model(3);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.appendRecord(new Row({"a", 0.1 + 0.2, 1}));
        model.appendRecord(new Row({"c", 3.0, 3}));
        QVERIFY(model.insertRecord(1, new Row({"b", 2.0, 2})));
        QCOMPARE(inserted.count(), 3);
        QCOMPARE(inserted.at(2).at(1).toInt(), 1);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("b"));
        // The plain model hands values over as the record gives them.
        QCOMPARE(model.index(0, 1).data().type(), QVariant::Double);
        QVERIFY(!model.index(0, 1).data(Qt::EditRole).isValid());
        QCOMPARE(model.index(0, 1).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));

        // A row out of range is refused and the record not leaked.
        QVERIFY(!model.insertRecord(5, new Row({})));
        QVERIFY(!model.insertRecord(-1, new Row({})));
        QCOMPARE(g_alive, 3);

        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.refresh();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(2, 2));

        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.clear();
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(g_alive, 0);
        model.clear(); // empty clear is harmless
    }

    // Rows appended together reach views as one insertion at the end; the
    // views never see a row count the signals did not announce.
    void appendedTogetherReachViewsAsOneInsertion()
    {
        CustomTableModel model(1);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.appendRecord(new Row({0}));
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.beginAppending();
        for (int i = 1; i <= 3; ++i)
            model.appendRecord(new Row({i}));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.recordCount(), 4);
        QCOMPARE(model.record(3)->value(0).toInt(), 3);
        QVERIFY(inserted.isEmpty());
        model.endAppending();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 1);
        QCOMPARE(inserted.at(0).at(2).toInt(), 3);
        QCOMPARE(model.rowCount(), 4);

        // A clear or an insertion meanwhile keeps the views' count true.
        model.beginAppending();
        model.appendRecord(new Row({4}));
        model.clear();
        model.appendRecord(new Row({5}));
        QVERIFY(model.insertRecord(0, new Row({6})));
        model.appendRecord(new Row({7}));
        model.endAppending();
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(2, 0).data().toInt(), 7);
        model.clear();
    }

    void destructorsDeleteRecords()
    {
        {
            CustomTableModel plain(1);
            plain.appendRecord(new Row({1}));
            CustomTableFilterModel filtered(5);
            filtered.setFilter(4, idAbove(5));
            filtered.addRecord(logRow(1)); // hidden rows are owned too
            filtered.addRecord(logRow(9));
            QCOMPARE(g_alive, 3);
        }
        QCOMPARE(g_alive, 0);
    }

    void headers()
    {
        CustomTableModel plain(5);
        CustomTableFilterModel filtered(5);
        for (QAbstractItemModel* model : {static_cast<QAbstractItemModel*>(&plain),
                                          static_cast<QAbstractItemModel*>(&filtered)}) {
            for (int s = 0; s < 5; ++s)
                QCOMPARE(model->headerData(s, Qt::Horizontal).toString(), QString::number(s + 1));
            QVERIFY(!model->headerData(5, Qt::Horizontal).isValid());
            QVERIFY(!model->headerData(-1, Qt::Horizontal).isValid());
            QVERIFY(!model->headerData(0, Qt::Vertical).isValid()); // no rows yet

            QSignalSpy headerChanged(model, &QAbstractItemModel::headerDataChanged);
            QVERIFY(model->setHeaderData(1, Qt::Horizontal, "Time", Qt::UserRole));
            QCOMPARE(headerChanged.count(), 0);
            QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::UserRole).toString(),
                     QStringLiteral("Time"));
            QVERIFY(!model->setHeaderData(1, Qt::Horizontal, 42, Qt::DisplayRole));
            QVERIFY(!model->setHeaderData(5, Qt::Horizontal, "x", Qt::DisplayRole));
            QVERIFY(!model->setHeaderData(0, Qt::Vertical, "x", Qt::DisplayRole));
            QVERIFY(!model->setHeaderData(0, Qt::Horizontal, "x", Qt::EditRole));

            HorizontalHeaderSetter setter(model);
            setter.setHeader(2, QStringLiteral("Mass [g]"));
            QCOMPARE(headerChanged.count(), 1);
            QCOMPARE(headerChanged.at(0).at(1).toInt(), 2);
            QCOMPARE(headerChanged.at(0).at(2).toInt(), 2);
            QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Mass [g]"));
        }
        QCOMPARE(plain.headerLabels(), QStringList({"1", "2", "Mass [g]", "4", "5"}));
        QCOMPARE(filtered.headerUserValues(), QStringList({"", "Time", "", "", ""}));

        for (int i = 0; i < 3; ++i)
            filtered.addRecord(logRow(i));
        filtered.setFilter(4, idAbove(0));
        QCOMPARE(filtered.headerData(0, Qt::Vertical).toInt(), 1);
        QCOMPARE(filtered.headerData(1, Qt::Vertical).toInt(), 2);
        QVERIFY(!filtered.headerData(2, Qt::Vertical).isValid()); // counts shown rows
    }

    void filterHidesAndShowsInOrder()
    {
        CustomTableFilterModel model(5);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.addRecord(logRow(1));
        model.setFilter(4, idAbove(2));
        QCOMPARE(model.rowCount(), 0);

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.addRecord(logRow(2)); // rejected: stored, not shown
        QCOMPARE(model.allRowCount(), 2);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(inserted.count(), 0);
        model.addRecord(logRow(3));
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(shownIds(model), QList<int>({3}));

        // Two predicates must both pass.
        auto* outOnly = new Filters::EnumFilter;
        outOnly->setText(QStringLiteral("OUT"));
        model.setFilter(0, outOnly);
        model.addRecord(logRow(4, QStringLiteral("OUT")));
        QCOMPARE(shownIds(model), QList<int>({4}));

        model.setFilter(0, nullptr);
        model.setFilter(4, nullptr);
        QCOMPARE(shownIds(model), QList<int>({1, 2, 3, 4}));
        QCOMPARE(model.allRecord(1)->value(4).toInt(), 2);

        // A predicate for a column beyond the record's own columns sees an
        // invalid value, which fails.
        CustomTableFilterModel wide(6);
        wide.addRecord(logRow(1));
        wide.setFilter(5, new Filters::EnumFilter);
        QCOMPARE(wide.rowCount(), 0);
        wide.setFilter(6, new Filters::EnumFilter); // out of range: ignored, not leaked
    }

    void removals()
    {
        CustomTableFilterModel model(5);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 1; i <= 6; ++i)
            model.addRecord(logRow(i));
        model.setFilter(4, new Filters::Int32Filter(Filters::Between, 2, 5));
        QCOMPARE(shownIds(model), QList<int>({2, 3, 4, 5}));

        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.removeFirst(); // id 1 is hidden: no view change
        QCOMPARE(removed.count(), 0);
        QCOMPARE(model.allRowCount(), 5);
        model.removeFirst(); // id 2 is shown row 0
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), 0);
        model.removeLast(); // id 6 hidden
        QCOMPARE(removed.count(), 1);
        model.removeLast(); // id 5 shown last
        QCOMPARE(removed.count(), 2);
        QCOMPARE(shownIds(model), QList<int>({3, 4}));

        model.removeRow(1);
        QCOMPARE(shownIds(model), QList<int>({3}));
        QCOMPARE(model.allRowCount(), 1);
        model.removeRow(1); // beyond the shown rows: nothing
        QCOMPARE(model.allRowCount(), 1);
        QCOMPARE(g_alive, 1);

        model.clear();
        QCOMPARE(model.allRowCount(), 0);
        model.removeFirst();
        model.removeLast();
    }

    void displayAndEdit()
    {
        CustomTableFilterModel model(3);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.addRecord(new Row({0.1 + 0.2, 123456789.0}, true));
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("0.3"));
        QCOMPARE(model.index(0, 0).data(Qt::EditRole).toString(), QStringLiteral("0.3"));
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("1.23457e+08"));
        QVERIFY(!model.index(0, 2).data().isValid()); // beyond the record's columns
        QVERIFY(!model.index(0, 0).data(Qt::ToolTipRole).isValid());

        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        model.setEditable(true);
        QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);

        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(0, 0), 7));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.index(0, 0).data().toInt(), 7);
        QVERIFY(!model.setData(model.index(0, 2), 7)); // record refuses
        QVERIFY(!model.setData(model.index(0, 0), 8, Qt::DisplayRole));
        QCOMPARE(changed.count(), 1);

        model.addRecord(logRow(1)); // read-only record
        QVERIFY(!model.setData(model.index(1, 0), "OUT"));
    }

    // The cap drops the oldest record, whether the view shows it or not.
    void logModelKeepsTheNewest3000()
    {
        CustomTableLogModel model(5);
        QCOMPARE(model.rowLimit(), 3000);
        // Only even ids are shown.
        auto* sent = new Filters::EnumFilter;
        sent->setText(QStringLiteral("OUT"));
        model.setFilter(0, sent);
        for (int i = 0; i < 3000; ++i)
            model.addRecord(logRow(i, i % 2 ? QStringLiteral("IN") : QStringLiteral("OUT")));
        QCOMPARE(model.allRowCount(), 3000);
        QCOMPARE(model.rowCount(), 1500);

        // Attached only now: it rechecks every row on each change.
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.addRecord(logRow(3000, QStringLiteral("IN"))); // drops shown id 0
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.allRowCount(), 3000);
        QCOMPARE(model.allRecord(0)->value(4).toInt(), 1);
        model.addRecord(logRow(3001, QStringLiteral("OUT"))); // drops hidden id 1
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.allRowCount(), 3000);
        QCOMPARE(model.rowCount(), 1500);
        QCOMPARE(model.record(0)->value(4).toInt(), 2);
        QCOMPARE(model.record(1499)->value(4).toInt(), 3001);
        QCOMPARE(g_alive, 3000);

        // A batch drops as many of the oldest in one removal, shown or not.
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        removed.clear();
        QVector<CustomTableRecord*> batch;
        for (int i = 3002; i < 3007; ++i)
            batch << logRow(i, i % 2 ? QStringLiteral("IN") : QStringLiteral("OUT"));
        model.addRecords(batch); // drops ids 2 to 6, of which 2, 4 and 6 are shown
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(2).toInt(), 2);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(model.allRecord(0)->value(4).toInt(), 7);
        QCOMPARE(model.record(0)->value(4).toInt(), 8);
        QCOMPARE(model.record(model.rowCount() - 1)->value(4).toInt(), 3006);
        QCOMPARE(model.allRowCount(), 3000);

        // A batch beyond the limit keeps only its own newest.
        batch.clear();
        for (int i = 0; i < 3002; ++i)
            batch << logRow(10000 + i, QStringLiteral("OUT"));
        model.addRecords(batch);
        QCOMPARE(model.allRowCount(), 3000);
        QCOMPARE(model.record(0)->value(4).toInt(), 10002);
        QCOMPARE(g_alive, 3000);
    }

    void logModelDisplay()
    {
        CustomTableLogModel model(5);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        Communication::LogEntry entry;
        entry.isIn = true;
        entry.record = VornLogRecord(QStringLiteral("COM3 (USB,9600)"),
                                     QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3, 7)),
                                     QStringLiteral("12.5 g\r\n"));
        auto* received = new LogTableRecord(entry);
        QVERIFY(received->isIn() && !received->isOut());
        QCOMPARE(received->interface(), QStringLiteral("COM3 (USB,9600)"));
        model.addRecord(received);
        model.addRecord(new LogTableRecord(false, "COM3", QDate(2026, 12, 7), QTime(9, 5, 4),
                                           QStringLiteral("a\nb\rc")));

        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("IN"));
        QCOMPARE(model.index(0, 2).data().toDate(), QDate(2026, 12, 7));
        QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("09:05:03.007"));
        QCOMPARE(model.index(0, 4).data().toString(), QStringLiteral("12.5 g<CR><LF>"));
        QCOMPARE(model.index(1, 4).data().toString(), QStringLiteral("a<LF>b<CR>c"));
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("OUT"));
        // Filters test the record's own value, not the display text.
        auto* endsWithLf = new Filters::StringFilter(1);
        endsWithLf->setPattern(QStringLiteral("\r\n"));
        model.setFilter(4, endsWithLf);
        QCOMPARE(model.rowCount(), 1);
        model.setFilter(4, nullptr);

        QCOMPARE(model.index(0, 1).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(0xc0, 0xc0, 0xc0));
        QCOMPARE(model.index(1, 1).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(0xd0, 0xd0, 0xd0));
        QVERIFY(!model.index(0, 1).data(Qt::ToolTipRole).isValid());
        QCOMPARE(model.index(0, 1).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
        QVERIFY(!model.index(5, 1).data(Qt::BackgroundRole).isValid());
        model.clear();
    }
};

QTEST_MAIN(TestTableModels)
#include "tst_tablemodels.moc"
