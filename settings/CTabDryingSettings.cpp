#include "settings/CTabDryingSettings.h"

#include "settings/CalcFormula.h"
#include "settings/DryerDB.h"
#include "settings/DryingSettingsTrProvider.h"
#include "settings/ISettingInterface.h"
#include "settings/ProfilesFileExchange.h"
#include "settings/SettingsComboBoxes.h"
#include "ui/ColumnSizer.h"
#include "ui/GuiIconAction.h"
#include "ui/IconRecolouring.h"
#include "ui/MessageBoxContext.h"

#include "ui_CTabDryingSettings.h"

#include <QDebug>
#include <QKeyEvent>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Stored columns of PARAMETERS, in table order.
enum Column {
    NameColumn,
    TemperatureColumn,
    WorkModeColumn,
    FormulaColumn,
    SamplesColumn,
    SamplingTimeColumn,
    DryingTimeColumn,
    ProfileColumn,
    LastModificationColumn
};

QMap<int, SettingColumnKind> columnKinds()
{
    QMap<int, SettingColumnKind> kinds;
    kinds[WorkModeColumn] = {SettingColumnKind::WorkMode, false};
    kinds[FormulaColumn] = {SettingColumnKind::Formula, false};
    kinds[DryingTimeColumn] = {SettingColumnKind::Formula, true};
    kinds[ProfileColumn] = {SettingColumnKind::DryingProfile, false};
    return kinds;
}

// The enumeration rows list the stored values with untranslated names.
QVector<ColumnFilterKind> filterKinds()
{
    const ColumnFilterKind number{ColumnFilterKind::Number, {}};
    QMap<int, QString> formulas;
    for (int index = 0; index < 3; ++index)
        formulas[index] = CalcFormula::name(CalcFormula::fromIndex(index));
    QMap<int, QString> profiles;
    for (int value = DryingProfile::Standard; value <= DryingProfile::Spec; ++value)
        profiles[value] = DryingProfile::name(value);
    return {{ColumnFilterKind::Text, {}},
            number,
            {ColumnFilterKind::Enumeration,
             {{WorkMode::Short, WorkMode::name(WorkMode::Short)},
              {WorkMode::Time, WorkMode::name(WorkMode::Time)}}},
            {ColumnFilterKind::Enumeration, formulas},
            number,
            number,
            number,
            {ColumnFilterKind::Enumeration, profiles},
            {ColumnFilterKind::Date, {}}};
}

// Newest first. Sets saved within the time's resolution tie on it: the
// row id, which grows with every insert (an override inserts anew), keeps
// the order of saving, since SQLite leaves the order of ties open.
const char* const newestFirst = "ORDER BY LastModification DESC, rowid DESC";

} // namespace

CTabDryingSettings::CTabDryingSettings(DryingSettingsTrProvider* provider,
                                       KD::ISettingInterface* controller,
                                       MessageBoxContext* messages, QWidget* parent)
    : AbstractGuiTab(TranslationHandle(provider, DryingSettingsTrProvider::Title), parent),
      ui(new Ui::CTabDryingSettings), m_provider(provider), m_controller(controller),
      m_messages(messages)
{
    m_provider->setParent(this);
    ui->setupUi(this);
    ui->deviceSettingWidget->applyProfileIndex();
    ui->wspaceSettingWidget->applyProfileIndex();

    createSelectorButton(QStringLiteral(":/icons2/paid/dryerConfig.svg"));
    m_filterAction = addIconAction(QStringLiteral(":/filter.svg"),
                                   {provider, DryingSettingsTrProvider::FilterAction});
    m_columnsAction = addIconAction(QStringLiteral(":/icons2/paid/eye.svg"),
                                    {provider, DryingSettingsTrProvider::ColumnsAction});
    m_saveToFileAction = addIconAction(QStringLiteral(":/upload-file (1).svg"),
                                       {provider, DryingSettingsTrProvider::SaveToFileAction});
    m_loadFromFileAction = addIconAction(QStringLiteral(":/file-download (1).svg"),
                                         {provider, DryingSettingsTrProvider::LoadFromFileAction});
    m_filterBar.setFiltersDialogTitle({provider, DryingSettingsTrProvider::FilterAction});
    m_filterBar.setColumnsDialogTitle({provider, DryingSettingsTrProvider::ColumnsAction});

    m_model.setColumnKinds(columnKinds());
    m_model.setQuery(QStringLiteral("SELECT * FROM PARAMETERS ") + QLatin1String(newestFirst),
                     DryerDB::database());
    setHeaderTexts();
    ui->tableView->setModel(&m_model);
    // Every column as wide as its header and the stored rows; the name, which
    // a user reads, takes the rest.
    new Common::ColumnSizer(ui->tableView, {}, NameColumn, true);
    ui->tableLayout->addWidget(&m_filterBar);

    ui->deviceSettingWidget->setReadOnly();
    fillSlotCombo();

    connect(m_filterAction, &GuiIconAction::clicked, &m_filterBar,
            &FilterWidget::openFiltersDialog);
    connect(m_columnsAction, &GuiIconAction::clicked, &m_filterBar,
            &FilterWidget::openColumnsDialog);
    connect(&m_filterBar, &FilterWidget::filterString, this, &CTabDryingSettings::setFilter);
    connect(&m_filterBar, &FilterWidget::setCollumns, this, &CTabDryingSettings::setCollumns);
    connect(ui->importButton, &QToolButton::clicked, this, &CTabDryingSettings::importData);
    connect(ui->exportButton, &QToolButton::clicked, this, &CTabDryingSettings::exportClicked);
    connect(ui->saveToDBButton, &QPushButton::clicked, this, &CTabDryingSettings::insertRow);
    connect(ui->deleteButton, &QPushButton::clicked, this, &CTabDryingSettings::delFromDB);
    connect(ui->loadButton, &QPushButton::clicked, this, &CTabDryingSettings::loadFromDB);
    connect(ui->memorySlotComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CTabDryingSettings::slotChanged);
    connect(ui->tableView, &QTableView::doubleClicked, this, &CTabDryingSettings::loadFromDB);
    connect(m_saveToFileAction, &GuiIconAction::clicked, this,
            &CTabDryingSettings::exportDataToFile);
    connect(m_loadFromFileAction, &GuiIconAction::clicked, this,
            &CTabDryingSettings::importDataFromFile);

    ui->saveToDBButton->setIcon(QIcon(QStringLiteral(":/icons/line-angle-down-icon.svg")));
    ui->loadButton->setIcon(QIcon(QStringLiteral(":/icons/line-angle-up-icon.svg")));
    ui->deleteButton->setIcon(QIcon(QStringLiteral(":/icons/trash-bin-icon.svg")));
    ui->exportButton->setIcon(invertedIcon(QStringLiteral(":/icons/line-angle-right-icon.svg")));
    ui->importButton->setIcon(invertedIcon(QStringLiteral(":/icons/line-angle-left-icon.svg")));
    setupModel();
}

CTabDryingSettings::~CTabDryingSettings() { delete ui; }

TranslationListGetter CTabDryingSettings::filterColumnTitles() const
{
    QVector<TranslationHandle> titles;
    for (int id = DryingSettingsTrProvider::FirstColumnTitle;
         id <= DryingSettingsTrProvider::LastColumnTitle; ++id)
        titles.append(TranslationHandle(m_provider, id));
    return TranslationListGetter(titles);
}

void CTabDryingSettings::fillSlotCombo()
{
    fillSlotComboBox(ui->memorySlotComboBox, QStringLiteral("current"));
}

void CTabDryingSettings::setupModel()
{
    m_table = QStringLiteral("PARAMETERS");
    m_filter = SqlCondition();
    m_limit = QStringLiteral("100000");
    m_model.setQuery(QStringLiteral("SELECT * FROM PARAMETERS"), DryerDB::database());
    m_filterBar.setSkippedFields(0);
    m_filterBar.setRecord(m_model.record(), filterKinds(), filterColumnTitles());
    refreshQuery();
}

void CTabDryingSettings::refreshQuery()
{
    if (m_table.isEmpty())
        return;
    QString text = QStringLiteral("SELECT * FROM ") + m_table + QLatin1Char(' ');
    if (!m_filter.isEmpty())
        text += QStringLiteral("WHERE ") + m_filter.text + QLatin1Char(' ');
    text += QLatin1String(newestFirst) + QStringLiteral(" LIMIT ") + m_limit;

    QSqlQuery query(DryerDB::database());
    query.prepare(text);
    for (const QVariant& value : qAsConst(m_filter.values))
        query.addBindValue(value);
    query.exec();
    m_model.setQuery(query);
    setHeaderTexts();
    // The table is then empty, which must not pass for a database without sets.
    if (m_model.lastError().isValid()) {
        qWarning().noquote() << "Settings database:" << m_model.lastError().text();
        showDbError();
    }
}

void CTabDryingSettings::setHeaderTexts()
{
    const QStringList texts = {tr("Name"),
                               tr("Drying temperature"),
                               tr("Work Mode"),
                               tr("Humidity formula"),
                               tr("Samples quantity"),
                               tr("Sampling time"),
                               tr("Drying time"),
                               tr("Drying profile"),
                               tr("Last modified")};
    for (int column = 0; column < texts.size(); ++column)
        m_model.setHeaderData(column, Qt::Horizontal, texts.at(column));
}

void CTabDryingSettings::setFilter(const SqlCondition& filter)
{
    if (!filter.isEmpty())
        m_filterBar.show();
    qDebug() << "FILTER" << filter.text << filter.values;
    m_filter = filter;
    refreshQuery();
}

void CTabDryingSettings::setCollumns(QVector<bool> flags)
{
    for (int column = flags.size() - 1; column >= 0; --column)
        ui->tableView->setColumnHidden(column, !flags.at(column));
}

void CTabDryingSettings::slotChanged(int value)
{
    ui->memorySlotComboBox->setEnabled(false);
    m_readingCurrent = value <= 0;
    if (value > 0)
        m_controller->readSlot(slotIndexToNumber(value), this);
    else
        m_controller->loadSettings(this);
}

void CTabDryingSettings::settingsChanged()
{
    if (m_readingCurrent && !m_controller->lastLoadOk()) {
        m_refreshPending = true;
        return;
    }
    m_refreshPending = false;
    ui->deviceSettingWidget->setSettings(m_controller->currentSettings());
    ui->memorySlotComboBox->setEnabled(true);
}

void CTabDryingSettings::onReady()
{
    if (!isVisible())
        return;
    if (m_controllerErrorSeen) {
        ui->memorySlotComboBox->setEnabled(true);
        m_controllerErrorSeen = false;
    } else if (m_refreshPending) {
        ui->memorySlotComboBox->setEnabled(false);
        slotChanged(ui->memorySlotComboBox->currentIndex());
    } else {
        ui->memorySlotComboBox->setEnabled(true);
    }
}

void CTabDryingSettings::onDCError()
{
    if (isVisible())
        m_controllerErrorSeen = true;
}

void CTabDryingSettings::showEvent(QShowEvent* event)
{
    AbstractGuiTab::showEvent(event);
    m_refreshPending = true;
    onReady();
}

void CTabDryingSettings::exportClicked()
{
    const int index = ui->memorySlotComboBox->currentIndex();
    const DryingSettings settings = ui->wspaceSettingWidget->settings();
    ui->memorySlotComboBox->setEnabled(false);
    m_refreshPending = true;
    const bool accepted = index > 0 ? m_controller->writeSlot(slotIndexToNumber(index), settings)
                                    : m_controller->writeSettings(settings);
    if (!accepted)
        m_messages->showWarning(
            tr("Cannot save settings when another operation or drying process is in progress!"));
}

void CTabDryingSettings::importData()
{
    ui->sheetName->setText(tr("Copied from device"));
    ui->wspaceSettingWidget->setSettings(ui->deviceSettingWidget->settings());
}

void CTabDryingSettings::insertRow()
{
    const QString name = ui->sheetName->text();
    bool queryRan = false;
    const bool exists = DryerDB::settingExists(name, &queryRan);
    const DryingSettings settings = ui->wspaceSettingWidget->settings();
    if (exists) {
        if (!m_messages->askWarning(
                tr("Database row with this name already exists. Override it with current "
                   "values?")))
            return;
        // One transaction: a failed save keeps the old set.
        if (!DryerDB::replaceSetting(name, settings)) {
            showDbError();
            return;
        }
        refreshQuery();
        return;
    }
    if (!queryRan) {
        showDbError();
        return;
    }
    if (DryerDB::saveSetting(name, settings))
        refreshQuery();
    else
        showDbError();
}

void CTabDryingSettings::showDbError()
{
    m_messages->showWarning(tr("An error ocurred during database operation!"));
}

QString CTabDryingSettings::selectedName() const
{
    const QModelIndexList selected = ui->tableView->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return QString();
    return m_model.record(selected.first().row()).value(NameColumn).toString();
}

void CTabDryingSettings::loadFromDB()
{
    if (!ui->tableView->selectionModel()->hasSelection())
        return;
    const QString name = selectedName();
    const std::optional<DryingSettings> settings = DryerDB::loadSetting(name);
    if (!settings) {
        m_messages->showWarning(tr("Could not load setting from database!"));
        return;
    }
    ui->wspaceSettingWidget->setSettings(*settings);
    ui->sheetName->setText(name);
}

void CTabDryingSettings::delFromDB()
{
    if (!ui->tableView->selectionModel()->hasSelection())
        return;
    if (!m_messages->askWarning(tr("Are you sure you want to delete this row?")))
        return;
    if (!DryerDB::removeSetting(selectedName()))
        showDbError();
    refreshQuery();
}

void CTabDryingSettings::exportDataToFile()
{
    ProfilesFileExchange(m_messages, this).exportDataToFile();
}

void CTabDryingSettings::importDataFromFile()
{
    if (ProfilesFileExchange(m_messages, this).importDataFromFile())
        refreshQuery();
}

void CTabDryingSettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete)
        delFromDB();
}

void CTabDryingSettings::changeEvent(QEvent* event)
{
    AbstractGuiTab::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    setHeaderTexts();
}
