// Settings database with 10,000 stored sets: list the names, load one set,
// save one set, and import a JSON file of 1,000 sets (parse, read, store).
#include "settings/DryerDB.h"
#include "settings/ProfilesImport.h"
#include "settings/ProfilesJsonWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
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
    DryerDB::close();
    return 0;
}
