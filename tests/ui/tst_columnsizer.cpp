// The column sizer: rows that arrive in one turn of the event loop widen their
// column when it turns, also after older rows were dropped meanwhile, and the
// widths of headers and typical values follow a larger font.
#include "ui/ColumnSizer.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

using Common::ColumnSizer;

namespace {

const QString longTime = QStringLiteral("1234567:00:00 and then some");

QList<QStandardItem*> row(const QString& time)
{
    return {new QStandardItem("line"), new QStandardItem(time), new QStandardItem("port")};
}

} // namespace

class TestColumnSizer : public QObject
{
    Q_OBJECT

    QStandardItemModel model;
    QTableView view;

private slots:
    void init()
    {
        model.clear();
        model.setHorizontalHeaderLabels({"Message", "Time", "Source of the line"});
        view.setModel(&model);
        view.resize(600, 300);
        view.show();
        new ColumnSizer(&view, {QVariant(), QStringLiteral("00:00:00"), QVariant()}, 0, false);
    }

    void cleanup() { qDeleteAll(view.findChildren<ColumnSizer*>()); }

    void rowsOfOneTurnWidenTheirColumnWhenTheLoopTurns()
    {
        // A log appends row by row and drops its oldest rows in the same turn.
        for (int i = 0; i < 40; ++i)
            model.appendRow(row(i == 30 ? longTime : QStringLiteral("00:00:01")));
        model.removeRows(0, 20);
        QTRY_VERIFY(view.columnWidth(1) >= ColumnSizer::cellTextWidth(&view, longTime));

        // A width the user gave stays when longer rows arrive.
        view.horizontalHeader()->resizeSection(1, 50);
        model.appendRow(row(longTime + longTime));
        QCoreApplication::processEvents();
        QCOMPARE(view.columnWidth(1), 50);
    }

    void aLargerFontWidensWhatWasMeasuredBefore()
    {
        QFont larger = view.font();
        larger.setPointSize(larger.pointSize() * 3);
        view.setFont(larger);
        QVERIFY(view.columnWidth(1) >= ColumnSizer::cellTextWidth(&view, "00:00:00"));
        QVERIFY(view.columnWidth(2)
                >= ColumnSizer::headerTextWidth(view.horizontalHeader(), "Source of the line"));
    }
};

QTEST_MAIN(TestColumnSizer)
#include "tst_columnsizer.moc"
