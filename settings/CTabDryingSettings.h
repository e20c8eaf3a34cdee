#pragma once

#include "settings/FilterWidget.h"
#include "settings/ISettingNotifiable.h"
#include "settings/SettingQueryModel.h"
#include "settings/SqlCondition.h"
#include "ui/AbstractGuiTab.h"
#include "ui/TranslationListGetter.h"

class DryingSettingsTrProvider;
class GuiIconAction;
struct MessageBoxContext;

namespace KD {
class ISettingInterface;
}

namespace Ui {
class CTabDryingSettings;
}

// The drying-settings page: an editable workspace parameter set, the
// analyzer's current set or one of its 20 slots (read-only), copying between
// the two, and the database of named sets as a filtered table with save,
// load, delete and JSON exchange. GUI thread only; device work goes through
// the controller, which answers with queued ready()/error() and by calling
// settingsChanged() when a read ends.
class CTabDryingSettings : public AbstractGuiTab, public KD::ISettingNotifiable
{
    Q_OBJECT

public:
    // Whoever gives the controller connects its ready() and error() to
    // onReady() and onDCError(), queued.
    CTabDryingSettings(DryingSettingsTrProvider* provider, KD::ISettingInterface* controller,
                       MessageBoxContext* messages, QWidget* parent = nullptr);
    ~CTabDryingSettings() override;

    void settingsChanged() override;
    TranslationListGetter filterColumnTitles() const;

public slots:
    void onReady();
    void onDCError();
    void slotChanged(int value);
    void exportClicked();
    void importData();
    void insertRow();
    void loadFromDB();
    void delFromDB();
    void exportDataToFile();
    void importDataFromFile();
    void setFilter(const SqlCondition& filter);
    void setCollumns(QVector<bool> flags);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fillSlotCombo();
    void setupModel();
    void refreshQuery();
    void setHeaderTexts();
    void showDbError();
    // The Name of the selected row; empty with no selection.
    QString selectedName() const;

    Ui::CTabDryingSettings* ui;
    DryingSettingsTrProvider* m_provider;
    KD::ISettingInterface* m_controller;
    SettingQueryModel m_model;
    GuiIconAction* m_saveToFileAction;
    GuiIconAction* m_loadFromFileAction;
    GuiIconAction* m_filterAction;
    GuiIconAction* m_columnsAction;
    FilterWidget m_filterBar;
    QString m_table;
    SqlCondition m_filter;
    QString m_limit;
    bool m_refreshPending = true;
    bool m_controllerErrorSeen = false;
    // Whether the read last asked for is of the current settings: only that
    // read's outcome is the controller's last-load flag.
    bool m_readingCurrent = false;
    MessageBoxContext* m_messages;
};
