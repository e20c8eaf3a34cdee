#pragma once

#include "drying/IDbCBoxChangeHandler.h"
#include "drying/ISlotCBoxChangeHandler.h"
#include "drying/ITdTabReceiver.h"
#include "settings/DryingSettings.h"
#include "settings/ISettingNotifiable.h"
#include "ui/IWidgetHideHandler.h"
#include "ui/IWidgetShowHandler.h"

#include <QObject>

namespace Common {
class IClearable;
class IInterval;
} // namespace Common

namespace KD {

class ICouldNotLoadFromDbMessageBox;
class IDbDryer;
class ISettingInterface;
class IStartTimeSetter;
class ITdSourceLabelHandler;

// Keeps the drying page in step with the drying controller: reads the
// analyzer's parameter set back after every change and on showing the page,
// loads the set the user chose from a memory slot or the database, locks the
// page's choices while something is loading or a run goes on, and starts the
// run's records and sampling interval afresh at a start.
class TdManager : public QObject,
                  public ISettingNotifiable,
                  public ITdTabReceiver,
                  public IDbCBoxChangeHandler,
                  public ISlotCBoxChangeHandler,
                  public Common::IWidgetShowHandler,
                  public Common::IWidgetHideHandler
{
    Q_OBJECT

public:
    TdManager(Common::IClearable* runData, Common::IInterval* interval, IDbDryer* database,
              ISettingInterface* controller, ITdSourceLabelHandler* sourceLabel,
              ICouldNotLoadFromDbMessageBox* couldNotLoad, IStartTimeSetter* startTime,
              QObject* parent = nullptr);

    void setTab(ITabDrying* tab) override;
    void settingsChanged() override;
    void onDbComboChange(int index, const QString& name) override;
    void onSlotComboChange(int index) override;
    void onWidgetShow() override;
    void onWidgetHide() override;

public slots:
    void onReady();
    void onControllerError();
    void onDryingEnd();
    void onDryingStart(bool isExternal, bool isIgnored, int interval);

private:
    bool tabVisible() const;
    void setSourceEnabled(bool on);
    void lockAndReload();

    Common::IClearable* m_runData;
    Common::IInterval* m_interval;
    IDbDryer* m_database;
    ISettingInterface* m_controller;
    ITdSourceLabelHandler* m_sourceLabel;
    ICouldNotLoadFromDbMessageBox* m_couldNotLoad;
    IStartTimeSetter* m_startTime;
    ITabDrying* m_tab = nullptr;

    // An error came while the page was visible: the next ready is its end.
    bool m_errorPending = false;
    bool m_drying = false;
    // The analyzer's current set must be read at the next ready.
    bool m_reloadPending = true;
    DryingSettings m_currentSettings;
    bool m_fromDatabase = false;
    QString m_dbName;
    bool m_hiddenSinceLoad = false;
    // What the source text says after the next successful read.
    int m_sourceKind = 0;
    QString m_sourceText;
    QString m_selectedDbName;
};

} // namespace KD
