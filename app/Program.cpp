#include "app/Program.h"

#include "analyzer/Measurement.h"
#include "analyzer/SearchFilters.h"
#include "app/AppCore.h"
#include "app/CommunicationContext.h"
#include "app/MainWindow.h"
#include "app/MainWindowTrProvider.h"
#include "communication/DeviceConnectionInfo.h"
#include "communication/VornLogRecord.h"
#include "settings/DryerDB.h"
#include "ui/AbstractGuiTab.h"
#include "ui/LanguageSwitch.h"
#include "ui/MessageBoxContext.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QSettings>
#include <QSqlQueryModel>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

Program::Program()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brenko"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("brenko.pl"));
    QCoreApplication::setApplicationName(QStringLiteral("Brenko Sorvana"));
    // Recoloured icons stay sharp on high-DPI screens.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // Any stored value is replaced; the usual start finds this one already
    // and spares the write to disk.
    const QString version = QStringLiteral("24.04.12");
    m_settings = std::make_unique<QSettings>();
    if (m_settings->value(QStringLiteral("Version")).toString() != version)
        m_settings->setValue(QStringLiteral("Version"), version);

    registerVornLogRecordType();
    registerMeasurementType();
    Common::Communication::registerConnectionRecordTypes();

    m_language = selectStartupLanguage();
}

Program::~Program() { shutDown(); }

bool Program::prepareDatabase()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    m_databaseOpen = DryerDB::CreateDBsIfNeeded(folder);
    if (!m_databaseOpen) {
        DryerDB::close();
        MessageBoxContext boxes;
        boxes.setTitle(QCoreApplication::applicationName());
        boxes.showWarning(QObject::tr("Could not prepare database!"));
    }
    return m_databaseOpen;
}

void Program::build()
{
    m_searchFilters = std::make_unique<SearchFilters>();
    m_context = std::make_unique<CommunicationContext>(m_searchFilters->deviceFilters(),
                                                       m_searchFilters->searchParameters());
    m_core = std::make_unique<AppCore>(m_context.get());
    m_context->messageBoxContext()->setTitle(QCoreApplication::applicationName());
    m_window = std::make_unique<MainWindow>(
        new MainWindowTrProvider, m_core->mainWindowController(), m_core->tabs(), m_context.get());
    m_context->messageBoxContext()->setParent(m_window.get());
}

int Program::run()
{
    m_window->show();
    m_exitCode = QApplication::exec();
    return m_exitCode;
}

void Program::closeDatabase()
{
    if (!m_databaseOpen)
        return;
    // A model still holding a query would keep the connection in use.
    if (m_window) {
        const QList<QAbstractItemView*> views = m_window->findChildren<QAbstractItemView*>();
        for (QAbstractItemView* view : views) {
            if (auto* model = qobject_cast<QSqlQueryModel*>(view->model()))
                model->clear();
        }
    }
    DryerDB::close();
    m_databaseOpen = false;
}

bool Program::stopThreads()
{
    if (!m_context)
        return true;
    // The first that does not end settles it: the rest are left with it.
    const int ms = CommunicationContext::threadStopTimeoutMs;
    return m_context->stopWorker() && (!m_core || m_core->controller()->stopUploadThreads(ms))
           && m_context->stopSearch();
}

void Program::shutDown()
{
    closeDatabase();
    // Every thread ends before anything it may use is destroyed.
    if (!stopThreads())
        endLeavingThreadsRunning();
    m_window.reset();
    m_core.reset();
    m_context.reset();
    m_searchFilters.reset();
}

void Program::endLeavingThreadsRunning()
{
    // A thread stuck in a call (a serial port that will not close, a TCP
    // peer that will not let go) still works on the objects the program
    // would destroy next, and may resume at any moment: nothing more is
    // destroyed. The settings the pages keep are written as their
    // destruction would have, and the process ends at once. quick_exit runs
    // no destructor, not even of statics; it is _Exit after the
    // at_quick_exit handlers, of which the program registers none.
    if (m_core) {
        const QVector<AbstractGuiTab*> tabs = m_core->tabs();
        for (AbstractGuiTab* tab : tabs) {
            if (tab)
                tab->saveSettings();
        }
    }
    m_settings->sync();
    std::fflush(nullptr);
    std::quick_exit(m_exitCode);
}
