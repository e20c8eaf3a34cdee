#include "ui/LanguageSwitch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {

const char* const translationKey = "Translation";
const QString polish = QStringLiteral("polish");
const QString english = QStringLiteral("english");

QString nameOfLanguage(QLocale::Language language)
{
    return language == QLocale::Polish ? polish : english;
}

// Only the exact, case-sensitive names count.
QString knownName(const QString& text)
{
    return text == polish || text == english ? text : QString();
}

QString languageFromInstallFile(const QString& installDir)
{
    QFile file(QDir(installDir).filePath(QStringLiteral("InstallLang.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString line = QString::fromUtf8(file.readLine());
    line.remove(QLatin1Char('\r'));
    line.remove(QLatin1Char('\n'));
    return knownName(line.trimmed());
}

void installCatalogue(const QString& name)
{
    // Owned by the application so it lives until the process ends; a catalogue
    // that fails to load is installed anyway and simply translates nothing.
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->load(QStringLiteral(":/i18n/") + name + QStringLiteral(".qm"));
    QCoreApplication::installTranslator(translator);
}

} // namespace

QString selectStartupLanguage(const QString& installDir)
{
    QString name = knownName(QSettings().value(translationKey).toString());
    if (name.isEmpty())
        name = languageFromInstallFile(installDir);
    const QLocale::Language language = name.isEmpty()   ? QLocale().language()
                                       : name == polish ? QLocale::Polish
                                                        : QLocale::English;
    return installStartupTranslator(language);
}

QString installStartupTranslator(QLocale::Language language)
{
    const QString name = nameOfLanguage(language);
    // Writing the settings costs a write to disk; the usual start finds the
    // choice stored already.
    QSettings settings;
    if (settings.value(translationKey).toString() != name)
        settings.setValue(translationKey, name);
    installCatalogue(name);
    return name;
}

QString selectStartupLanguage()
{
    return selectStartupLanguage(QCoreApplication::applicationDirPath());
}

void reloadTranslation()
{
    QSettings settings;
    if (!settings.contains(translationKey))
        settings.setValue(translationKey, nameOfLanguage(QLocale().language()));
    const QString name = settings.value(translationKey).toString();
    QLocale::setDefault(
        QLocale(name == polish ? QLocale::Polish : QLocale::English, QLocale::AnyCountry));
    installCatalogue(name);
}
