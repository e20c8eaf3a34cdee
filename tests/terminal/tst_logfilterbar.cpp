#include "terminal/DateFilter.h"
#include "terminal/EnumFilter.h"
#include "terminal/FilterWidgetFactory.h"
#include "terminal/FilterWidgetNew.h"
#include "terminal/NFiltersTrProvider.h"
#include "terminal/NNumericIntFilter.h"
#include "terminal/TimeFilter.h"
#include "terminal/TimeFilterWidget.h"
#include "terminal/TranslationEnumFilterWidget.h"
#include "ui/LanguageSwitch.h"

#include "resources/Resources.h"
#include "tests/support/FakeTranslationProvider.h"
#include "tests/support/ProgramEnd.h"
#include "tests/support/ScopedTestSettings.h"

#include <QComboBox>
#include <QListWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include <memory>

using namespace Common::Filters;

namespace {

bool accepts(const AbstractFilterWidget& row, const QVariant& value)
{
    std::unique_ptr<IFilter> filter(row.createFilter());
    return filter->test(value);
}

} // namespace

class TestLogFilterBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initSorvanaResources(); }

    // Mode 0 keeps from <= to; other modes leave "from" as typed, and the
    // "to" editor shows only in mode 0.
    void numericRowClampsItsBounds()
    {
        NNumericIntFilter row(new NFiltersTrProvider, -10, 10);
        row.show();
        QSignalSpy changed(&row, &AbstractFilterWidget::filterChanged);
        row.fromEditor()->setValue(5);
        row.toEditor()->setValue(3); // below from: raised back
        QCOMPARE(row.toEditor()->value(), 5);
        row.toEditor()->setValue(8);
        row.fromEditor()->setValue(9); // above to in mode 0: lowered
        QCOMPARE(row.fromEditor()->value(), 8);
        QVERIFY(changed.count() >= 4);

        row.modeCombo()->setCurrentIndex(2); // greater than
        QVERIFY(row.toEditor()->isHidden());
        row.fromEditor()->setValue(10);
        QCOMPARE(row.fromEditor()->value(), 10);
        QVERIFY(accepts(row, 11));
        QVERIFY(!accepts(row, 10));

        row.modeCombo()->setCurrentIndex(0);
        QVERIFY(!row.toEditor()->isHidden());
        QCOMPARE(row.toEditor()->value(), 10);
        QVERIFY(accepts(row, 10));
    }

    // Two hours either side of now, except where that wraps around midnight.
    void timeRowStartsAroundNowAndCoversTheDayNearMidnight()
    {
        TimeFilterWidget noon(new NFiltersTrProvider, QTime(12, 30, 15, 700));
        QCOMPARE(noon.fromEditor()->time(), QTime(10, 30, 15));
        QCOMPARE(noon.toEditor()->time(), QTime(14, 30, 15));

        for (const QTime& now : {QTime(23, 0), QTime(1, 59, 59), QTime(22, 0, 1)}) {
            TimeFilterWidget night(new NFiltersTrProvider, now);
            QVERIFY(accepts(night, QTime(0, 0)));
            QVERIFY(accepts(night, QTime(23, 59, 59, 999)));
            QVERIFY(accepts(night, now));
        }
    }

    void enumRowComparesTheChosenText()
    {
        FakeTranslationProvider values;
        values.setText(0, "IN");
        values.setText(1, "OUT");
        TranslationEnumFilterWidget row(
            new NFiltersTrProvider,
            TranslationListGetter({TranslationHandle(&values, 0), TranslationHandle(&values, 1)}));
        row.valueCombo()->setCurrentIndex(1);
        row.modeCombo()->setCurrentIndex(1); // not equal
        QVERIFY(accepts(row, "IN"));
        QVERIFY(!accepts(row, "OUT"));
        QVERIFY(!accepts(row, QVariant()));
        QVERIFY(!createFilterWidget(LogColumnFilterSpec()));
    }

    // The mode texts follow the language and the chosen mode stays; the
    // value texts of an enumeration row stay as they were made.
    void languageChangeKeepsTheModes()
    {
        ScopedTestSettings settings;
        std::unique_ptr<AbstractFilterWidget> time(
            createFilterWidget(LogColumnFilterSpec::time("HH:mm:ss")));
        FakeTranslationProvider values;
        values.setText(0, "IN");
        TranslationEnumFilterWidget direction(
            new NFiltersTrProvider, TranslationListGetter({TranslationHandle(&values, 0)}));
        time->modeCombo()->setCurrentIndex(1);
        QCOMPARE(time->modeCombo()->currentText(), QString("Earlier than"));
        values.setText(0, "changed");

        QSettings().setValue("Translation", "polish");
        reloadTranslation();
        QCOMPARE(time->modeCombo()->currentIndex(), 1);
        QTRY_VERIFY(time->modeCombo()->currentText() != QString("Earlier than"));
        QVERIFY(direction.modeCombo()->itemText(1) != QString("Not equal"));
        QCOMPARE(direction.valueCombo()->itemText(0), QString("IN"));

        QSettings().setValue("Translation", "english");
        reloadTranslation();
        QTRY_COMPARE(time->modeCombo()->currentText(), QString("Earlier than"));
    }

    // Switching rows on and off through the dialog and the X button decides
    // which columns have a predicate.
    void barHandsOutPredicatesOnlyForSwitchedOnRows()
    {
        FakeTranslationProvider titles;
        titles.setText(0, "Date");
        titles.setText(1, "Message");
        QWidget window;
        FilterWidgetNew bar;
        const TranslationListGetter titleList(
            {TranslationHandle(&titles, 0), TranslationHandle(&titles, 1)});
        bar.setColumns({LogColumnFilterSpec::date("dd-MM-yyyy"), LogColumnFilterSpec::text()},
                       titleList);
        bar.setColumns({LogColumnFilterSpec::text()}, titleList); // ignored
        QCOMPARE(bar.visibleColumns(), QSet<int>({0, 1}));
        QVERIFY(!bar.filterOf(0));
        QVERIFY(bar.isHidden());
        bar.setFiltersDialogTitle(TranslationHandle(&titles, 1));
        QCOMPARE(bar.filtersDialog()->windowTitle(), QString("Message"));

        bar.setParent(&window);
        window.show();
        QSignalSpy changed(&bar, &FilterWidgetNew::filterChanged);
        bar.openFilterDialog();
        QVERIFY(bar.filtersDialog()->isVisible());
        auto* list = bar.filtersDialog()->findChild<QListWidget*>("list");
        QCOMPARE(list->count(), 2);
        list->item(0)->setCheckState(Qt::Checked);
        bar.filtersDialog()->confirmClicked();
        QVERIFY(bar.isVisible());
        QVERIFY(bar.row(0)->isVisible() && bar.row(1)->isHidden());
        QVERIFY(changed.contains({0}));
        std::unique_ptr<IFilter> date(bar.filterOf(0));
        QVERIFY(dynamic_cast<DateFilter*>(date.get()));
        QVERIFY(!bar.filterOf(1));

        // Cancel changes nothing; X drops the column again.
        bar.openFilterDialog();
        list->item(1)->setCheckState(Qt::Checked);
        bar.filtersDialog()->cancelClicked();
        QCOMPARE(bar.filterColumns(), QSet<int>({0}));
        changed.clear();
        bar.row(0)->xButtonClicked();
        QVERIFY(!bar.filterOf(0));
        QVERIFY(bar.isHidden());
        QVERIFY(changed.contains({0}));
        bar.openFilterDialog();
        QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);

        // Language change: row titles and dialog items follow.
        titles.setText(0, "Data");
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&bar, &change);
        QCOMPARE(bar.row(0)->title(), QString("Data"));
        QCOMPARE(list->item(0)->text(), QString("Data"));
        QCOMPARE(bar.columnsDialog()->windowTitle(), QString());
    }

    void anOpenDialogLetsTheProgramEnd()
    {
        QWidget window;
        FilterWidgetNew bar(&window);
        window.show();
        bar.openFilterDialog();
        bar.openColumnsDialog();
        QVERIFY(programEndsWhenClosed(&window));
    }
};

QTEST_MAIN(TestLogFilterBar)
#include "tst_logfilterbar.moc"
