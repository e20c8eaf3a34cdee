// The SQL column filter bar on its own: how it joins its rows' conditions and
// what its dialogs keep.
#include "settings/AbstractFilter.h"
#include "settings/FilterWidget.h"

#include "tests/support/ProgramEnd.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlField>
#include <QToolButton>
#include <QtTest>

class TestSqlFilterBar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void activeRowsJoinInColumnOrder();
    void dialogsKeepTheirConfirmedMarks();
    void anOpenDialogLetsTheProgramEnd();

private:
    // Ticks exactly these items of the dialog's list, then presses the button.
    static void choose(FilterDialog* dialog, const QVector<int>& items, const char* button);
    SqlCondition lastCondition() const { return m_spy->last().at(0).value<SqlCondition>(); }

    FilterWidget* m_bar = nullptr;
    QSignalSpy* m_spy = nullptr;
};

void TestSqlFilterBar::init()
{
    qRegisterMetaType<SqlCondition>();
    QSqlRecord record;
    record.append(QSqlField(QStringLiteral("Name"), QVariant::String));
    record.append(QSqlField(QStringLiteral("Temperature"), QVariant::Int));
    record.append(QSqlField(QStringLiteral("Formula"), QVariant::Int));
    m_bar = new FilterWidget;
    m_bar->setSkippedFields(0);
    m_bar->setRecord(record,
                     {{ColumnFilterKind::Text, {}},
                      {ColumnFilterKind::Number, {}},
                      {ColumnFilterKind::Enumeration, {{0, "a"}, {2, "b"}}}},
                     TranslationListGetter());
    m_spy = new QSignalSpy(m_bar, &FilterWidget::filterString);
}

void TestSqlFilterBar::cleanup()
{
    delete m_spy;
    delete m_bar;
}

void TestSqlFilterBar::choose(FilterDialog* dialog, const QVector<int>& items, const char* button)
{
    auto* list = dialog->findChild<QListWidget*>();
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(items.contains(i) ? Qt::Checked : Qt::Unchecked);
    dialog->findChild<QPushButton*>(QLatin1String(button))->click();
}

void TestSqlFilterBar::activeRowsJoinInColumnOrder()
{
    // Switched on in reverse order; the text row adds nothing while empty.
    choose(m_bar->filtersDialog(), {2}, "confirmButton");
    choose(m_bar->filtersDialog(), {0, 1, 2}, "confirmButton");
    QVERIFY(m_bar->isVisible());
    QCOMPARE(lastCondition().text, QStringLiteral("Temperature BETWEEN ? AND ? AND Formula = ?"));
    QCOMPARE(lastCondition().values, QVariantList({-99.0, 999.0, 0}));

    m_bar->rows().at(0)->findChild<QLineEdit*>()->setText(QStringLiteral("x"));
    QCOMPARE(lastCondition().text, QStringLiteral("Name LIKE ? ESCAPE '\\' AND Temperature "
                                                  "BETWEEN ? AND ? AND Formula = ?"));

    // X takes the row's condition away and unticks it in the dialog.
    m_bar->rows().at(1)->findChild<QToolButton*>(QStringLiteral("xButton"))->click();
    QCOMPARE(lastCondition().text, QStringLiteral("Name LIKE ? ESCAPE '\\' AND Formula = ?"));
    QCOMPARE(m_bar->filtersDialog()->countChecked(), 2);

    choose(m_bar->filtersDialog(), {}, "confirmButton");
    QVERIFY(lastCondition().isEmpty());
    QVERIFY(!m_bar->isVisible());
}

void TestSqlFilterBar::dialogsKeepTheirConfirmedMarks()
{
    QSignalSpy columns(m_bar, &FilterWidget::setCollumns);
    auto checked = [](FilterDialog* dialog) {
        QVector<bool> marks;
        auto* list = dialog->findChild<QListWidget*>();
        for (int i = 0; i < list->count(); ++i)
            marks.append(list->item(i)->checkState() == Qt::Checked);
        return marks;
    };
    // Before any confirmation: no filter rows, every column visible.
    choose(m_bar->filtersDialog(), {1}, "cancelButton");
    QCOMPARE(checked(m_bar->filtersDialog()), QVector<bool>({false, false, false}));
    choose(m_bar->columnsDialog(), {}, "cancelButton");
    QCOMPARE(checked(m_bar->columnsDialog()), QVector<bool>({true, true, true}));
    QCOMPARE(columns.count(), 0);

    choose(m_bar->columnsDialog(), {0, 2}, "confirmButton");
    QCOMPARE(columns.last().at(0).value<QVector<bool>>(), QVector<bool>({true, false, true}));
    choose(m_bar->columnsDialog(), {0}, "cancelButton");
    QCOMPARE(checked(m_bar->columnsDialog()), QVector<bool>({true, false, true}));
}

void TestSqlFilterBar::anOpenDialogLetsTheProgramEnd()
{
    QWidget window;
    window.show();
    m_bar->openFiltersDialog();
    m_bar->openColumnsDialog();
    QVERIFY(programEndsWhenClosed(&window));
}

QTEST_MAIN(TestSqlFilterBar)
#include "tst_sqlfilterbar.moc"
