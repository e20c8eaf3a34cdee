// The settings database with 10,000 and with 100,000 stored sets (or the
// counts given): the drying-settings page's table refreshed and filtered
// through its filter rows (bound query, model reset, first rows fetched),
// then listing the names, loading and saving one set, importing a JSON file
// of 1,000 sets and reading every set.
//
//   bench_settings_db [SETS...]      (default 10000 100000)
//
// Each filter step switches on one filter row through the page's dialog and
// edits it as a user does; afterwards the table must hold exactly the stored
// sets that the filter leaves (counted here from the sets as made), or a
// WRONG line is printed and the benchmark fails. Goal: every page step under
// 50 ms at 10,000 stored sets.
#include "analyzer/HLDryerController.h"
#include "analyzer/NDryer.h"
#include "resources/Resources.h"
#include "settings/AbstractFilter.h"
#include "settings/CTabDryingSettings.h"
#include "settings/DryerDB.h"
#include "settings/DryingSettingsTrProvider.h"
#include "settings/FilterWidget.h"
#include "settings/ProfilesImport.h"
#include "settings/ProfilesJsonWriter.h"
#include "ui/MessageBoxContext.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The page shows at most this many rows (its query's limit).
const int pageRowLimit = 100000;

bool failed = false;

DryingSettings makeSet(int i)
{
    DryingSettings s;
    s.setDryingProfile(DryingProfile::fromDeviceValue(i % 5));
    s.setMainTemperature(40 + i % 120);
    s.setSamplingTime(1 + i % 30);
    s.setDryingTime(QTime(0, i % 60, i % 60));
    s.setStepTime1(QTime(0, 1 + i % 9));
    s.setStepTime2(QTime(0, 2 + i % 7));
    s.setStepTemperature1(50 + i % 50);
    s.setStepTemperature2(60 + i % 50);
    return s;
}

QList<NamedDryingSettings> makeList(const QString& prefix, int count)
{
    const int width = qMax(5, int(QString::number(count - 1).size()));
    QList<NamedDryingSettings> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(
            {QStringLiteral("%1 %2").arg(prefix).arg(i, width, 10, QLatin1Char('0')), makeSet(i)});
    return list;
}

// Stored sets modified over the last year, a few a day.
QDate modifiedOn(int i) { return QDate::currentDate().addDays(-(i * 7919 % 365)); }

bool spreadModificationDates(const QList<NamedDryingSettings>& sets)
{
    QSqlDatabase db = DryerDB::database();
    db.transaction();
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE PARAMETERS SET LastModification = ? WHERE Name = ?"));
    for (int i = 0; i < sets.size(); ++i) {
        query.addBindValue(QDateTime(modifiedOn(i), QTime(12, 0).addSecs(i % 36000)));
        query.addBindValue(sets.at(i).name);
        if (!query.exec())
            return false;
    }
    return db.commit();
}

void report(const char* what, int runs, const std::function<void(int)>& operation,
            const std::function<void(int)>& check = {})
{
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        operation(run);
        ms.push_back(timer.nsecsElapsed() / 1e6);
        if (check)
            check(run);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %8.3f ms   max %8.3f ms   (%d runs)\n", what, ms[ms.size() / 2],
                ms.back(), runs);
}

// The page's table over the stored sets. Each step ends with the view's model
// reset and its first rows fetched; then, untimed, every row is fetched and
// counted.
class PageBench
{
public:
    explicit PageBench(const QList<NamedDryingSettings>& sets)
        : m_sets(sets), m_page(new DryingSettingsTrProvider, &m_controller, &m_boxes),
          m_table(m_page.findChild<QTableView*>()), m_bar(m_page.findChild<FilterWidget*>())
    {
        // A filter row applies only while it is shown: the page must be on
        // screen. No analyzer is connected, so it reads nothing from one.
        m_page.resize(1240, 760);
        m_page.show();
    }

    void run()
    {
        std::printf("table rows fetched at first: %d\n", m_table->model()->rowCount());
        step("page: refresh the table", "refresh", [&](int) { m_page.setFilter(SqlCondition()); },
             [](int, int) { return true; });

        switchOn(0);
        auto* name = m_bar->rows().at(0)->findChild<QLineEdit*>();
        auto* nameOperator = m_bar->rows().at(0)->findChild<QComboBox*>();
        // Four of the five digits of the stored names: ten sets each.
        const auto prefix = [](int run) {
            return QStringLiteral("stored %1").arg(run * 97 % 1000, 4, 10, QLatin1Char('0'));
        };
        step("page: name starts with", "name starts with",
             [&](int run) { name->setText(prefix(run)); },
             [&](int run, int i) { return m_sets.at(i).name.startsWith(prefix(run)); });
        nameOperator->setCurrentIndex(2); // Contains
        const auto part = [](int run) { return QString::number(100 + run * 37); };
        step("page: name contains", "name contains", [&](int run) { name->setText(part(run)); },
             [&](int run, int i) { return m_sets.at(i).name.contains(part(run)); });

        switchOn(1);
        auto* lowest = m_bar->rows().at(1)->findChildren<QDoubleSpinBox*>().at(0);
        // Between (the row's first operator) the bound and 999.
        step("page: change a temperature bound", "temperature from",
             [&](int run) { lowest->setValue(41 + run * 5); },
             [&](int run, int i) {
                 return m_sets.at(i).settings.mainTemperature() >= 41 + run * 5;
             });

        switchOn(8);
        m_bar->rows().at(8)->findChild<QComboBox*>()->setCurrentIndex(1); // Later than
        auto* from = m_bar->rows().at(8)->findChildren<QDateTimeEdit*>().at(0);
        const auto since = [](int run) { return QDate::currentDate().addDays(-10 - run * 15); };
        step("page: change a date bound", "modified later than",
             [&](int run) { from->setDate(since(run)); },
             [&](int run, int i) { return modifiedOn(i) >= since(run); });
        switchOn(-1);
    }

private:
    void firstRows() const { m_table->model()->index(0, 0).data(); }

    // Times a change of the filter up to the first rows shown, 20 times;
    // then, untimed, checks that the rows left are those `kept` (run, set).
    void step(const char* what, const char* check, const std::function<void(int)>& change,
              const std::function<bool(int, int)>& kept)
    {
        report(
            what, 20,
            [&](int run) {
                change(run);
                firstRows();
            },
            [&](int run) { checkRows(check, run, [&](int i) { return kept(run, i); }); });
    }

    // Only that column's filter row on (none for -1), confirmed in the dialog.
    void switchOn(int column)
    {
        auto* list = m_bar->filtersDialog()->findChild<QListWidget*>();
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(i == column ? Qt::Checked : Qt::Unchecked);
        m_bar->filtersDialog()->findChild<QPushButton*>(QStringLiteral("confirmButton"))->click();
        for (int i = 0; i < m_bar->rows().size(); ++i) {
            if (m_bar->rows().at(i)->isActive() != (i == column)) {
                std::printf("WRONG: filter row %d is %s\n", i, i == column ? "off" : "on");
                failed = true;
            }
        }
    }

    // The filter keeps stored set i when kept(i).
    void checkRows(const char* step, int run, const std::function<bool(int)>& kept)
    {
        auto* model = static_cast<QSqlQueryModel*>(m_table->model());
        while (model->canFetchMore())
            model->fetchMore();
        int expected = 0;
        for (int i = 0; i < m_sets.size(); ++i)
            expected += kept(i) ? 1 : 0;
        expected = qMin(pageRowLimit, expected);
        if (model->rowCount() != expected) {
            std::printf("WRONG: %s, run %d: the table holds %d rows, the filter leaves %d\n", step,
                        run, model->rowCount(), expected);
            failed = true;
        }
        // Back to the first rows only, as a user who has not scrolled has them:
        // the next step must not pay for letting go of every row.
        m_bar->filterChanged();
    }

    QList<NamedDryingSettings> m_sets;
    KD::Communication::NDryer m_dryer;
    KD::HLDryerController m_controller{&m_dryer};
    MessageBoxContext m_boxes;
    CTabDryingSettings m_page;
    QTableView* m_table;
    FilterWidget* m_bar;
};

bool benchAt(int count)
{
    QTemporaryDir dir;
    if (!DryerDB::CreateDBsIfNeeded(dir.path())) {
        std::fprintf(stderr, "cannot create the database\n");
        return false;
    }
    const QList<NamedDryingSettings> sets = makeList(QStringLiteral("stored"), count);
    if (!DryerDB::importSettings(sets) || !spreadModificationDates(sets)) {
        std::fprintf(stderr, "cannot fill the database\n");
        return false;
    }
    std::printf("\nstored sets: %d\n", DryerDB::settingNames().size());
    PageBench(sets).run();

    report("list names", 20, [count](int) {
        if (DryerDB::settingNames().size() < count)
            std::abort();
    });
    report("load one set", 50, [&sets](int run) {
        if (!DryerDB::loadSetting(sets.at(run * 197 % sets.size()).name))
            std::abort();
    });
    report("save one set", 50, [](int run) {
        if (!DryerDB::saveSetting(QStringLiteral("saved %1").arg(run), makeSet(run)))
            std::abort();
    });

    const QByteArray file = QJsonDocument(ProfilesJsonWriter::writeProfilesJson(
                                              makeList(QStringLiteral("imported"), 1000)))
                                .toJson(QJsonDocument::Indented);
    std::printf("JSON file of 1,000 sets: %d bytes\n", file.size());
    // Every run imports the same names, so runs after the first rename all 1,000 sets.
    report("import JSON of 1,000 sets", 5, [&file](int) {
        const QJsonObject root = QJsonDocument::fromJson(file).object();
        ProfilesImport import;
        import.setRoot(&root);
        if (import.readProfilesJson() != ProfilesImport::AllParsed
            || !DryerDB::importSettings(import.parsed()))
            std::abort();
    });
    bool ok = false;
    report("read all sets (export)", 3, [&ok](int) { DryerDB::allSettings(&ok); });
    DryerDB::close();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initSorvanaResources();
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QVector<int> counts;
    for (int i = 1; i < argc; ++i) {
        bool valid = false;
        counts.append(QByteArray(argv[i]).toInt(&valid));
        if (!valid || counts.last() < 1000) {
            std::fprintf(stderr, "usage: bench_settings_db [SETS...], each at least 1000\n");
            return 2;
        }
    }
    if (counts.isEmpty())
        counts = {10000, 100000};
    for (int count : counts) {
        if (!benchAt(count))
            return 1;
    }
    if (failed)
        std::printf("\nWRONG: a filter left another row count than it should\n");
    return failed ? 1 : 0;
}
