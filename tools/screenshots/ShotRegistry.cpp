#include "ShotRegistry.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <cstdio>

ShotCamera::ShotCamera(QString folder, QString language)
    : m_folder(std::move(folder)), m_language(std::move(language))
{ }

void ShotCamera::show(QWidget* window)
{
    QWidget* top = window->window();
    if (!top->isVisible())
        top->show();
    if (!QTest::qWaitForWindowExposed(top))
        std::fprintf(stderr, "%s was not shown in time\n", qPrintable(top->objectName()));
}

bool ShotCamera::take(QWidget* window, const QString& name)
{
    show(window);
    settle();
    const QString path = QDir(m_folder).filePath(name + "-" + m_language + ".png");
    if (window->grab().save(path)) {
        ++m_saved;
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    ++m_failed;
    std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    return false;
}

void ShotCamera::settle(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

ShotRegistry::Adder::Adder(const char* name, Shot shot)
{
    entries().push_back({QString::fromLatin1(name), std::move(shot)});
}

std::vector<ShotRegistry::Entry>& ShotRegistry::entries()
{
    static std::vector<Entry> all;
    return all;
}
