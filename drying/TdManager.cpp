#include "drying/TdManager.h"

#include "drying/IStartTimeSetter.h"
#include "drying/ITabDrying.h"
#include "drying/ITdSourceLabelHandler.h"
#include "settings/ICouldNotLoadFromDbMessageBox.h"
#include "settings/IDbDryer.h"
#include "settings/ISettingInterface.h"
#include "settings/SettingsComboBoxes.h"
#include "ui/IClearable.h"
#include "ui/IInterval.h"

#include <QDateTime>

namespace KD {

TdManager::TdManager(Common::IClearable* runData, Common::IInterval* interval, IDbDryer* database,
                     ISettingInterface* controller, ITdSourceLabelHandler* sourceLabel,
                     ICouldNotLoadFromDbMessageBox* couldNotLoad, IStartTimeSetter* startTime,
                     QObject* parent)
    : QObject(parent), m_runData(runData), m_interval(interval), m_database(database),
      m_controller(controller), m_sourceLabel(sourceLabel), m_couldNotLoad(couldNotLoad),
      m_startTime(startTime)
{ }

void TdManager::setTab(ITabDrying* tab) { m_tab = tab; }

bool TdManager::tabVisible() const { return m_tab && m_tab->isTabVisible(); }

void TdManager::setSourceEnabled(bool on)
{
    if (m_tab)
        m_tab->setSettingSourceEnabled(on);
}

void TdManager::onReady()
{
    if (!tabVisible())
        return;
    if (m_errorPending) {
        m_errorPending = false;
        return;
    }
    if (m_reloadPending) {
        setSourceEnabled(false);
        // Refused while the controller is busy or has no analyzer: the
        // next ready tries again.
        m_controller->loadSettings(this);
    } else {
        setSourceEnabled(true);
    }
}

void TdManager::onControllerError()
{
    if (tabVisible())
        m_errorPending = true;
}

void TdManager::onDryingStart(bool isExternal, bool isIgnored, int interval)
{
    Q_UNUSED(isExternal)
    // An ignored run (started on the analyzer) is not recorded: the records
    // kept from before keep their own start time too.
    if (!isIgnored)
        m_startTime->setStartTime(QDateTime::currentDateTime());
    setSourceEnabled(false);
    m_interval->setValue(interval * 1000);
    m_drying = true;
    if (!isIgnored)
        m_runData->clear();
}

void TdManager::onDryingEnd()
{
    m_drying = false;
    // The controller's ready before this end may have started a read: a
    // choice made during it would be refused by the busy controller, yet
    // named as loaded once the read ends. The read's own ready unlocks.
    if (!m_reloadPending)
        setSourceEnabled(true);
}

void TdManager::settingsChanged()
{
    if (!m_controller->lastLoadOk()) {
        m_reloadPending = true;
        return;
    }
    m_reloadPending = false;
    m_currentSettings = m_controller->currentSettings();
    if (m_hiddenSinceLoad) {
        m_hiddenSinceLoad = false;
        // Still the database's set only when the analyzer holds it unchanged.
        if (m_fromDatabase) {
            const std::optional<DryingSettings> stored = m_database->setting(m_dbName);
            if (stored && *stored == m_currentSettings)
                m_sourceLabel->setLoaded(ITdSourceLabelHandler::Database, m_dbName);
        }
    } else {
        m_sourceLabel->setLoaded(m_sourceKind, m_sourceText);
    }
    m_interval->setValue(m_currentSettings.samplingTime() * 1000);
    if (m_tab)
        m_tab->setCurrentSettings(m_currentSettings);
}

void TdManager::onDbComboChange(int index, const QString& name)
{
    if (index == 0)
        return;
    m_sourceLabel->setLoadingFromDatabase(name);
    m_fromDatabase = true;
    m_dbName = name;
    m_sourceKind = ITdSourceLabelHandler::Database;
    m_sourceText = name;
    m_selectedDbName = name;
    const std::optional<DryingSettings> stored = m_database->setting(name);
    if (!stored) {
        m_couldNotLoad->show();
        return;
    }
    lockAndReload();
    m_controller->writeSettings(*stored);
}

void TdManager::onSlotComboChange(int index)
{
    if (index == 0)
        return;
    const int slot = slotIndexToNumber(index);
    m_sourceLabel->setLoadingFromSlot(slot + 1);
    m_fromDatabase = false;
    m_sourceKind = ITdSourceLabelHandler::Slot;
    m_sourceText = QString::number(slot + 1);
    lockAndReload();
    m_controller->copySlotToCurrent(slot);
}

void TdManager::lockAndReload()
{
    setSourceEnabled(false);
    m_reloadPending = true;
}

void TdManager::onWidgetShow()
{
    if (!m_drying)
        m_sourceLabel->clear();
    const QStringList names = m_database->names();
    if (m_tab)
        m_tab->setDbNames(names, names.indexOf(m_selectedDbName));
    m_reloadPending = true;
    onReady();
}

void TdManager::onWidgetHide() { m_hiddenSinceLoad = true; }

} // namespace KD
