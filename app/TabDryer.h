#pragma once

#include "analyzer/ITryIgnoreStartFromDevice.h"
#include "drying/ITabDrying.h"
#include "ui/AbstractGuiTab.h"

namespace Ui {
class TabDryer;
}

class GuiIconAction;
class TabDryerTrProvider;

namespace Common {
class ColumnSizer;
}

namespace KD {
class ITabDryingController;
}

// The drying page: the analyzer's current parameters and where they came
// from, the slot and database choices, Start and Stop, the run's plot and
// table, the humidity formula and the file icons. Every user action goes to
// the controller; the controller's parts drive the page back through
// KD::ITabDrying.
class TabDryer : public AbstractGuiTab, public KD::ITabDrying, public KD::ITryIgnoreStartFromDevice
{
    Q_OBJECT

public:
    TabDryer(TabDryerTrProvider* texts, KD::ITabDryingController* controller,
             QWidget* parent = nullptr);
    ~TabDryer() override;

    void setCalcFormula(int formula) override;
    void setStateText(const QString& text) override;
    bool isTabVisible() const override;
    void setTableModel(QAbstractItemModel* model) override;
    void setPlotWidget(QWidget* widget) override;
    void setSettingSourceEnabled(bool on) override;
    void setCurrentSettings(const DryingSettings& settings) override;
    void setDbNames(const QStringList& names, int current) override;

    bool setIgnoreStartFromDevice(bool ignore) override;

private slots:
    void onGeneratePdf();
    void onExportCsv();
    void onImportCsv();
    void onClear();
    void onRunContextSteup();
    void onStartDrying();
    void onStopDrying();
    void formulaToggled();
    void onSlotComboBoxIdxChange(int idx);
    void onDbComboBoxIdxChange(int idx);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectDbCombo();
    void showFormulaLabels();
    void fitParameterColumn();
    void arrangeRunButtons();
    void fitRunTable();

    KD::ITabDryingController* m_controller;
    TabDryerTrProvider* m_texts;
    Ui::TabDryer* ui;
    GuiIconAction* m_clear;
    GuiIconAction* m_pdf;
    GuiIconAction* m_save;
    GuiIconAction* m_load;
    GuiIconAction* m_runContext;
    Common::ColumnSizer* m_columns = nullptr;
    QWidget* m_plot = nullptr;
};
