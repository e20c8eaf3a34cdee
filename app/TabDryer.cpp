#include "app/TabDryer.h"

#include "app/ITabDryingController.h"
#include "app/TabDryerTrProvider.h"
#include "settings/CalcFormula.h"
#include "settings/SettingsComboBoxes.h"
#include "ui/ColumnSizer.h"
#include "ui/GuiIconAction.h"

#include "ui_TabDryer.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

TabDryer::TabDryer(TabDryerTrProvider* texts, KD::ITabDryingController* controller, QWidget* parent)
    : AbstractGuiTab(TranslationHandle(texts, TabDryerTrProvider::Title), parent),
      m_controller(controller), m_texts(texts), ui(new Ui::TabDryer)
{
    ui->setupUi(this);
    createSelectorButton(QStringLiteral(":/icons2/paid/dryer.svg"));
    m_runContext = addIconAction(QStringLiteral(":/table-line.svg"),
                                 TranslationHandle(texts, TabDryerTrProvider::RunContext));
    m_pdf = addIconAction(QStringLiteral(":/pdf-files.svg"),
                          TranslationHandle(texts, TabDryerTrProvider::GeneratePdf));
    m_save = addIconAction(QStringLiteral(":/upload-file (1).svg"),
                           TranslationHandle(texts, TabDryerTrProvider::SaveData));
    m_load = addIconAction(QStringLiteral(":/file-download (1).svg"),
                           TranslationHandle(texts, TabDryerTrProvider::LoadData));
    m_clear = addIconAction(QStringLiteral(":/broom-cleaning.svg"),
                            TranslationHandle(texts, TabDryerTrProvider::ClearData));

    connect(m_pdf, &GuiIconAction::clicked, this, &TabDryer::onGeneratePdf);
    connect(m_save, &GuiIconAction::clicked, this, &TabDryer::onExportCsv);
    connect(m_load, &GuiIconAction::clicked, this, &TabDryer::onImportCsv);
    connect(m_clear, &GuiIconAction::clicked, this, &TabDryer::onClear);
    connect(m_runContext, &GuiIconAction::clicked, this, &TabDryer::onRunContextSteup);
    connect(ui->buttonStart, &QPushButton::clicked, this, &TabDryer::onStartDrying);
    connect(ui->buttonStop, &QPushButton::clicked, this, &TabDryer::onStopDrying);

    showFormulaLabels();
    ui->splitter->setSizes({300, 100});

    fillSlotComboBoxWithPlaceholder(ui->slotComboBox);
    connect(ui->slotComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TabDryer::onSlotComboBoxIdxChange);
    connectDbCombo();
    ui->currentSettingsPanel->setReadOnly();
    ui->startFromDeviceWidget->setReceiver(this);

    for (QRadioButton* radio : {ui->methodM0MnM0, ui->methodM0MnMn, ui->methodMnM0})
        connect(radio, &QRadioButton::toggled, this, &TabDryer::formulaToggled);
    setCalcFormula(CalcFormula::defaultValue());
    ui->currentSettingsPanel->applyProfileIndex();

    // The page fits a small window: the parameter column scrolls only
    // vertically, so it is as wide as its contents; Start and Stop stack when
    // the plot's side is too narrow for both in a row.
    ui->scrollAreaWidgetContents->installEventFilter(this);
    ui->buttonsFrame->installEventFilter(this);
    ui->splitter->installEventFilter(this);
    fitParameterColumn();
    arrangeRunButtons();
}

TabDryer::~TabDryer() { delete ui; }

void TabDryer::showFormulaLabels()
{
    // The label keys swap formulas 0 and 1.
    ui->methodM0MnM0Txt->setText(CalcFormula::htmlLabel(1));
    ui->methodM0MnMnTxt->setText(CalcFormula::htmlLabel(0));
    ui->methodMnM0Txt->setText(CalcFormula::htmlLabel(2));
}

void TabDryer::connectDbCombo()
{
    connect(ui->dbNameComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TabDryer::onDbComboBoxIdxChange);
}

void TabDryer::onGeneratePdf() { m_controller->generatePdf(); }

void TabDryer::onExportCsv() { m_controller->exportCsv(); }

void TabDryer::onImportCsv() { m_controller->importCsv(); }

void TabDryer::onClear() { m_controller->clearData(); }

void TabDryer::onRunContextSteup() { m_controller->setupRunContext(); }

void TabDryer::onStartDrying() { m_controller->startDrying(); }

void TabDryer::onStopDrying() { m_controller->stopDrying(); }

void TabDryer::formulaToggled()
{
    int formula = CalcFormula::defaultValue();
    if (ui->methodM0MnMn->isChecked())
        formula = CalcFormula::M0MinusMnOverMn;
    else if (ui->methodM0MnM0->isChecked())
        formula = CalcFormula::M0MinusMnOverM0;
    else if (ui->methodMnM0->isChecked())
        formula = CalcFormula::MnOverM0;
    m_controller->setFormula(formula);
}

void TabDryer::onSlotComboBoxIdxChange(int idx) { m_controller->onSlotComboChange(idx); }

void TabDryer::onDbComboBoxIdxChange(int idx)
{
    m_controller->onDbComboChange(idx, ui->dbNameComboBox->currentText());
}

void TabDryer::setCalcFormula(int formula)
{
    QRadioButton* radio = nullptr;
    switch (formula) {
    case CalcFormula::M0MinusMnOverMn: radio = ui->methodM0MnMn; break;
    case CalcFormula::MnOverM0: radio = ui->methodMnM0; break;
    default: radio = ui->methodM0MnM0; break;
    }
    // Toggling an exclusive radio that is already checked leaves it checked.
    if (!radio->isChecked())
        radio->toggle();
}

void TabDryer::setStateText(const QString& text) { ui->settingSourceStatusLabel->setText(text); }

bool TabDryer::isTabVisible() const { return isVisible(); }

void TabDryer::setTableModel(QAbstractItemModel* model)
{
    ui->resultsTableView->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    ui->resultsTableView->setModel(model);
    // Widths from the header and a typical reading, never from a whole run
    // (a day holds 86,400 rows); the humidity takes the rest.
    delete m_columns;
    m_columns = new Common::ColumnSizer(
        ui->resultsTableView,
        {QStringLiteral("00:00:00"), QStringLiteral("100.00"), QStringLiteral("100.000")}, 1, true);
    connect(m_columns, &Common::ColumnSizer::fitted, this, &TabDryer::fitRunTable);
}

void TabDryer::setPlotWidget(QWidget* widget)
{
    auto* area = new QScrollArea;
    area->setMinimumSize(0, 0);
    area->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget);
    area->setWidget(holder);
    ui->scatterLayout->addWidget(area);
    m_plot = widget;
}

void TabDryer::setSettingSourceEnabled(bool on)
{
    ui->slotComboBox->setEnabled(on);
    ui->dbNameComboBox->setEnabled(on);
}

void TabDryer::setCurrentSettings(const DryingSettings& settings)
{
    ui->currentSettingsPanel->setSettings(settings);
}

void TabDryer::setDbNames(const QStringList& names, int current)
{
    disconnect(ui->dbNameComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
               &TabDryer::onDbComboBoxIdxChange);
    ui->dbNameComboBox->clear();
    ui->dbNameComboBox->addItem(comboPlaceholderText());
    ui->dbNameComboBox->addItems(names);
    ui->dbNameComboBox->setCurrentIndex(current >= 0 && current < names.size() ? current + 1 : 0);
    connectDbCombo();
}

bool TabDryer::setIgnoreStartFromDevice(bool ignore)
{
    return m_controller->setIgnoreStartFromDevice(ignore);
}

void TabDryer::showEvent(QShowEvent* event)
{
    AbstractGuiTab::showEvent(event);
    m_controller->onWidgetShow();
}

void TabDryer::hideEvent(QHideEvent* event)
{
    AbstractGuiTab::hideEvent(event);
    m_controller->onWidgetHide();
}

void TabDryer::changeEvent(QEvent* event)
{
    AbstractGuiTab::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        m_controller->retranslate();
    }
}

bool TabDryer::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == ui->scrollAreaWidgetContents && type == QEvent::LayoutRequest)
        fitParameterColumn();
    else if (watched == ui->buttonsFrame
             && (type == QEvent::Resize || type == QEvent::LayoutRequest))
        arrangeRunButtons();
    else if (watched == ui->splitter && type == QEvent::Resize)
        fitRunTable();
    return AbstractGuiTab::eventFilter(watched, event);
}

void TabDryer::fitParameterColumn()
{
    QScrollArea* area = ui->scrollArea;
    const int width = ui->scrollAreaWidgetContents->minimumSizeHint().width()
                      + area->verticalScrollBar()->sizeHint().width() + 2 * area->frameWidth();
    area->setMinimumWidth(width);
    area->setMaximumWidth(width);
}

void TabDryer::fitRunTable()
{
    // In a small window the splitter's proportions leave the run table too
    // narrow for its columns: it takes their width from the plot's side, as
    // far as Start, Stop and the plot's own minimum leave room.
    const QList<int> sizes = ui->splitter->sizes();
    if (!m_columns || sizes.size() != 2 || !ui->splitter->isVisible())
        return;
    const QMargins margins = ui->tableLayout->contentsMargins();
    const int wanted = m_columns->neededViewWidth() + margins.left() + margins.right();
    if (sizes.at(1) >= wanted)
        return;
    const int total = sizes.at(0) + sizes.at(1);
    const int plotSide =
        qMax(ui->frame->minimumSizeHint().width(), m_plot ? m_plot->minimumSizeHint().width() : 0);
    const int table = qMin(wanted, total - plotSide);
    if (table > sizes.at(1))
        ui->splitter->setSizes({total - table, table});
}

void TabDryer::arrangeRunButtons()
{
    const int start = ui->buttonStart->sizeHint().width();
    const int stop = ui->buttonStop->sizeHint().width();
    const QMargins margins = ui->buttonsLayout->contentsMargins();
    const int frame = margins.left() + margins.right();
    // Stacked, the buttons need only the wider one's width.
    ui->buttonsFrame->setMinimumWidth(qMax(start, stop) + frame);
    const int inRow = start + stop + ui->buttonsLayout->spacing() + frame;
    ui->buttonsLayout->setDirection(ui->buttonsFrame->width() >= inRow ? QBoxLayout::LeftToRight
                                                                       : QBoxLayout::TopToBottom);
}
