#include "terminal/NTabTerminal.h"

#include "terminal/ILogWidgetManager.h"
#include "terminal/TabTerminalTrProvider.h"
#include "terminal/VornCommandWidget.h"
#include "terminal/VornContextMenu.h"
#include "ui/ColumnSizer.h"
#include "ui/GuiIconAction.h"
#include "ui/IMessageBoxesTerminal.h"

#include "ui_NTabTerminal.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QSplitter>

const QString NTabTerminal::settingsGroup = QStringLiteral("TERMINAL_COMMANDS");

NTabTerminal::NTabTerminal(TabTerminalTrProvider* provider, Common::IMessageBoxesTerminal* messages,
                           bool autoCheck, const QStringList& defaultCommands,
                           VornContextMenu* menu, QWidget* parent)
    : AbstractGuiTab(TranslationHandle(provider, TabTerminalTrProvider::TabTerminal), parent),
      m_trProvider(provider), m_messages(messages), m_ui(new Ui::NTabTerminal),
      m_defaultCommands(defaultCommands)
{
    m_ui->setupUi(this);
    m_trProvider->setParent(this);
    // Shared by every row; the page owns it so it goes with the page.
    if (menu)
        menu->setParent(this, menu->windowFlags());
    createSelectorButton(QStringLiteral(":/cmd-terminal.svg"));

    using Id = TabTerminalTrProvider::Id;
    auto action = [this](const char* icon, int id) {
        return addIconAction(QString::fromLatin1(icon), TranslationHandle(m_trProvider, id));
    };
    m_autoCheck = action(":/heartbeat.svg", Id::AutoCheckConnection);
    m_format = action(":/icons2/free/web-page-source-code.svg", Id::FormatWithCrLf);
    m_reverseCommands = action(":/business-management.svg", Id::ReverseCommandsToDefault);
    m_filterMessages = action(":/filter.svg", Id::FilterMessages);
    m_hideShowColumns = action(":/icons2/paid/eye.svg", Id::HideShowColumns);
    m_saveLogs = action(":/upload-file (1).svg", Id::SaveMessagesLogs);
    m_saveRawLogs = action(":/database-upload.svg", Id::SaveRawLogs);
    m_clearLogs = action(":/broom-cleaning.svg", Id::ClearLogs);
    m_format->setCheckable(true);
    m_format->setChecked(true);
    m_autoCheck->setCheckable(true);

    for (int i = 0; i < m_defaultCommands.size(); ++i) {
        auto* row = new VornCommandWidget(this, menu);
        m_ui->verticalLayout->addWidget(row);
        m_commandRows.append(row);
        connect(row, &VornCommandWidget::sendString, this, &NTabTerminal::sendString);
    }
    m_ui->verticalLayout->addStretch();
    // Extra width goes to the log, not to the command lines.
    m_ui->splitter->setStretchFactor(0, 1);
    m_ui->splitter->setStretchFactor(1, 0);

    QSettings settings;
    if (settings.childGroups().contains(settingsGroup)) {
        settings.beginGroup(settingsGroup);
        for (int i = 0; i < m_commandRows.size(); ++i)
            m_commandRows.at(i)->setText(settings.value(QString::number(i)).toString());
        settings.endGroup();
    } else {
        setDefault();
    }

    m_ui->sendLayout->addWidget(&m_filterWidget);
    m_filterWidget.setFiltersDialogTitle(TranslationHandle(m_trProvider, Id::FilterMessages));
    m_filterWidget.setColumnsDialogTitle(TranslationHandle(m_trProvider, Id::HideShowColumns));
    m_ui->logTableView->installEventFilter(this);
    m_filterWidget.installEventFilter(this);
    connect(m_ui->splitter, &QSplitter::splitterMoved, this, [this] { m_lentToLog = 0; });

    connect(m_autoCheck, &GuiIconAction::toggled, this, &NTabTerminal::checkConnection);
    connect(m_format, &GuiIconAction::toggled, this, &NTabTerminal::changeFormatMode);
    connect(m_reverseCommands, &GuiIconAction::clicked, this, &NTabTerminal::setDefault);
    connect(m_saveLogs, &GuiIconAction::clicked, this, &NTabTerminal::onSaveClicked);
    connect(m_saveRawLogs, &GuiIconAction::clicked, this, &NTabTerminal::onSaveRawClicked);
    connect(m_clearLogs, &GuiIconAction::clicked, this, &NTabTerminal::clearLogs);
    m_autoCheck->setChecked(autoCheck);
    connect(m_filterMessages, &GuiIconAction::clicked, &m_filterWidget,
            &Common::Filters::FilterWidgetNew::openFilterDialog);
    connect(m_hideShowColumns, &GuiIconAction::clicked, &m_filterWidget,
            &Common::Filters::FilterWidgetNew::openColumnsDialog);
}

NTabTerminal::~NTabTerminal()
{
    m_filterWidget.removeEventFilter(this);
    saveSettings();
    delete m_ui;
}

void NTabTerminal::saveSettings() const
{
    QSettings settings;
    settings.beginGroup(settingsGroup);
    for (int i = 0; i < m_commandRows.size(); ++i)
        settings.setValue(QString::number(i), m_commandRows.at(i)->text());
    settings.endGroup();
}

void NTabTerminal::setLogWidgetManager(Common::ILogWidgetManager* manager)
{
    m_logManager = manager;
    if (!manager)
        return;
    manager->setTableView(m_ui->logTableView);
    manager->setFilterWidget(&m_filterWidget);
    manager->initColumns();
}

QTableView* NTabTerminal::logTableView() const { return m_ui->logTableView; }

void NTabTerminal::setDefault()
{
    if (!m_commandRows.isEmpty() && !m_commandRows.first()->text().isEmpty()
        && !(m_messages && m_messages->askResetCommands()))
        return;
    for (int i = 0; i < m_commandRows.size(); ++i) {
        m_commandRows.at(i)->setText(m_defaultCommands.at(i));
        m_commandRows.at(i)->setCrlfChecked(true);
    }
}

void NTabTerminal::changeFormatMode(bool state)
{
    if (m_logManager)
        m_logManager->setFormatMode(state);
}

void NTabTerminal::clearLogs()
{
    if (m_messages && m_messages->askClearLogs() && m_logManager)
        m_logManager->clear();
}

void NTabTerminal::onSaveRawClicked()
{
    if (m_logManager)
        m_logManager->exportRaw();
}

void NTabTerminal::onSaveClicked()
{
    if (m_logManager)
        m_logManager->exportFormatted();
}

QString NTabTerminal::selectedCellsText() const
{
    const QTableView* view = m_ui->logTableView;
    if (!view->selectionModel())
        return QString();
    QString text;
    int previousRow = -1;
    const QModelIndexList indexes = view->selectionModel()->selectedIndexes();
    for (const QModelIndex& index : indexes) {
        if (view->isColumnHidden(index.column()))
            continue;
        if (previousRow >= 0 && index.row() != previousRow)
            text += QLatin1String("\r\n");
        text += index.data(Qt::DisplayRole).toString();
        text += QLatin1Char('\t');
        previousRow = index.row();
    }
    return text;
}

void NTabTerminal::copySelection() const
{
    QGuiApplication::clipboard()->setText(selectedCellsText());
}

bool NTabTerminal::isCopyKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_C && (event->modifiers() & Qt::ControlModifier);
}

void NTabTerminal::keyPressEvent(QKeyEvent* event)
{
    if (isCopyKey(event)) {
        copySelection();
        return;
    }
    AbstractGuiTab::keyPressEvent(event);
}

bool NTabTerminal::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->logTableView && event->type() == QEvent::KeyPress
        && isCopyKey(static_cast<QKeyEvent*>(event))) {
        copySelection();
        return true;
    }
    if (watched == &m_filterWidget && event->type() == QEvent::ShowToParent)
        lendCommandRoomToLog();
    else if (watched == &m_filterWidget && event->type() == QEvent::HideToParent)
        returnCommandRoom();
    return AbstractGuiTab::eventFilter(watched, event);
}

// A user filtering the log reads the log: beside the filter bar the table
// keeps the width its columns need, taken from the command lines as far as
// their own minimum allows.
void NTabTerminal::lendCommandRoomToLog()
{
    m_lentToLog = 0;
    QSplitter* splitter = m_ui->splitter;
    const QList<int> sizes = splitter->sizes();
    const Common::ColumnSizer* columns = Common::ColumnSizer::of(m_ui->logTableView);
    if (!columns || sizes.size() != 2 || !splitter->isVisible())
        return;
    const int wanted = columns->neededViewWidth() + qMax(0, m_ui->sendLayout->spacing())
                       + m_filterWidget.sizeHint().width();
    const int spare = sizes.at(1) - splitter->widget(1)->minimumSizeHint().width();
    m_lentToLog = qBound(0, wanted - sizes.at(0), spare);
    if (m_lentToLog > 0)
        splitter->setSizes({sizes.at(0) + m_lentToLog, sizes.at(1) - m_lentToLog});
}

void NTabTerminal::returnCommandRoom()
{
    const QList<int> sizes = m_ui->splitter->sizes();
    if (m_lentToLog > 0 && sizes.size() == 2)
        m_ui->splitter->setSizes({sizes.at(0) - m_lentToLog, sizes.at(1) + m_lentToLog});
    m_lentToLog = 0;
}
