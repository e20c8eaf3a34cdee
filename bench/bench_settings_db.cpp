// Settings database with 10,000 stored sets: list the names, load one set,
// save one set, import a JSON file of 1,000 sets (parse, read, store), and
// the drying-settings page's table: refreshed, and filtered through its
// filter rows (bound query, model reset, first rows fetched).
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
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

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
    QList<NamedDryingSettings> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(
            {QStringLiteral("%1 %2").arg(prefix).arg(i, 5, 10, QLatin1Char('0')), makeSet(i)});
    return list;
}

void report(const char* what, int runs, const std::function<void(int)>& operation)
{
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        operation(run);
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %8.3f ms   max %8.3f ms   (%d runs)\n", what, ms[ms.size() / 2],
                ms.back(), runs);
}

// The page's table over every stored set. Each step ends with the view's
// model reset and its first rows fetched.
void benchPage()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    MessageBoxContext context;
    CTabDryingSettings page(new DryingSettingsTrProvider, nullptr, &context);
    auto* table = page.findChild<QTableView*>();
    const auto firstRows = [table] {
        if (table->model()->rowCount() == 0)
            std::abort();
        table->model()->index(0, 0).data();
    };
    std::printf("table rows fetched at first: %d\n", table->model()->rowCount());
    report("page: refresh the table", 20, [&](int) {
        page.setFilter(SqlCondition());
        firstRows();
    });

    auto* bar = page.findChild<FilterWidget*>();
    auto* list = bar->filtersDialog()->findChild<QListWidget*>();
    for (int column : {0, 1, 8})
        list->item(column)->setCheckState(Qt::Checked);
    bar->filtersDialog()->findChild<QPushButton*>(QStringLiteral("confirmButton"))->click();
    auto* name = bar->rows().at(0)->findChild<QLineEdit*>();
    report("page: type a name filter", 20, [&](int run) {
        name->setText(QStringLiteral("stored %1").arg(run % 10));
        firstRows();
    });
    name->clear();
    auto* lowest = bar->rows().at(1)->findChildren<QDoubleSpinBox*>().at(0);
    report("page: change a temperature bound", 20, [&](int run) {
        lowest->setValue(40 + run);
        firstRows();
    });
    auto* dateOperator = bar->rows().at(8)->findChild<QComboBox*>();
    auto* from = bar->rows().at(8)->findChildren<QDateTimeEdit*>().at(0);
    dateOperator->setCurrentIndex(1);
    report("page: change a date bound", 20, [&](int run) {
        from->setDate(QDate::currentDate().addDays(-run));
        firstRows();
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initSorvanaResources();
    QTemporaryDir dir;
    if (!DryerDB::CreateDBsIfNeeded(dir.path())) {
        std::fprintf(stderr, "cannot create the database\n");
        return 1;
    }
    if (!DryerDB::importSettings(makeList(QStringLiteral("stored"), 10000))) {
        std::fprintf(stderr, "cannot fill the database\n");
        return 1;
    }
    std::printf("stored sets: %d\n", DryerDB::settingNames().size());

    report("list names", 20, [](int) {
        if (DryerDB::settingNames().size() < 10000)
            std::abort();
    });
    report("load one set", 50, [](int run) {
        if (!DryerDB::loadSetting(
                QStringLiteral("stored %1").arg(run * 197 + 2, 5, 10, QLatin1Char('0'))))
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

    benchPage();
    DryerDB::close();
    return 0;
}
