// Renders the program's windows with sample data to PNG files, in English and
// in Polish, so that they can be looked at without clicking through the
// program: screenshots OUTDIR [NAME-FILTER]
#include "ShotRegistry.h"

#include "resources/Resources.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    initSorvanaResources();
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [NAME-FILTER]\n", argv[0]);
        return 2;
    }
    const QString folder = args.at(1);
    const QRegularExpression filter(args.size() > 2 ? args.at(2) : QString());
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }

    // Windows read and write settings and the database; keep the user's own
    // out of it.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    QCoreApplication::setOrganizationName("Brenko");
    QCoreApplication::setApplicationName("Brenko Sorvana");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath("config"));

    int saved = 0;
    int failed = 0;
    for (const QString& language : {QStringLiteral("english"), QStringLiteral("polish")}) {
        QTranslator translator;
        if (!translator.load(":/i18n/" + language + ".qm")) {
            std::fprintf(stderr, "no catalogue for %s\n", qPrintable(language));
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
        ShotCamera camera(folder, language);
        for (const auto& entry : ShotRegistry::entries()) {
            if (filter.match(entry.name).hasMatch())
                entry.shot(camera);
        }
        QCoreApplication::removeTranslator(&translator);
        saved += camera.saved();
        failed += camera.failed();
    }
    std::printf("%d pictures saved, %d failed\n", saved, failed);
    return failed == 0 ? 0 : 1;
}
