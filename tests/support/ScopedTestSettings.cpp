#include "tests/support/ScopedTestSettings.h"

#include <QCoreApplication>
#include <QSettings>

ScopedTestSettings::ScopedTestSettings()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brenko"));
    QCoreApplication::setApplicationName(QStringLiteral("Brenko Sorvana"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    clear();
}

ScopedTestSettings::~ScopedTestSettings() { clear(); }

void ScopedTestSettings::clear()
{
    QSettings settings;
    settings.clear();
    settings.sync();
}
