#include "search/NTabSearching.h"

#include "search/DirectConnectionWidget.h"
#include "search/ITabSearchingController.h"
#include "search/TabSearchingTrProvider.h"
#include "ui/ButtonStyles.h"
#include "ui/GuiIconAction.h"

#include "ui_NTabSearching.h"

#include <QHostAddress>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace {

// The connect button turns red as Disconnect and grey while it cannot act;
// it stays enabled, so its look comes from two dynamic properties.
const char* const connectSheet =
    "QPushButton { background-color: #6fc420; border-color: #6fc420; color: white; "
    "outline: none; border-style: solid; border-width: 5px; border-radius: 5px; }\n"
    "QPushButton[disco=true] { background-color: #f75f54; border-color: #f75f54; }\n"
    "QPushButton:hover[disco=\"true\"] { background-color: #e64e43; border-color: #e64e43; }\n"
    "QPushButton:pressed[disco=\"true\"] { background-color: #d53d32; border-color: #d53d32; }\n"
    "QPushButton:hover[disco=\"false\"] { background-color: #5eb310; border-color: #5eb310; }\n"
    "QPushButton:pressed[disco=\"false\"] { background-color: #4da200; border-color: #4da200; }\n"
    "QPushButton[greyed=true] { background-color: #808080; border-color: #808080; }\n"
    "QPushButton:hover[greyed=\"true\"] { background-color: #808080; border-color: #808080; }\n"
    "QPushButton:pressed[greyed=\"true\"] { background-color: #808080; border-color: #808080; }";

void repolish(QWidget* widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

} // namespace

NTabSearching::NTabSearching(TabSearchingTrProvider* provider,
                             Common::ITabSearchingController* controller, QWidget* parent)
    : AbstractGuiTab(TranslationHandle(provider, TabSearchingTrProvider::Title), parent),
      m_ui(new Ui::NTabSearching), m_controller(controller)
{
    m_ui->setupUi(this);
    provider->setParent(this);
    m_ui->searchButton->setStyleSheet(ButtonStyles::start());
    m_ui->stopButton->setStyleSheet(ButtonStyles::stop());
    m_ui->connectButton->setStyleSheet(connectSheet);
    m_controller->setTab(this);

    createSelectorButton(":/magnifier-glass.svg");
    using Tr = TabSearchingTrProvider;
    m_directIcon = addIconAction(":/icons/signal-tower-icon.svg", {provider, Tr::DirectConnection});
    m_connectIcon = addIconAction(":/electric-plugin.svg", {provider, Tr::Connect});
    m_disconnectIcon = addIconAction(":/no-electric-plug.svg", {provider, Tr::Disconnect});
    m_searchIcon = addIconAction(":/magnifier-glass.svg", {provider, Tr::Search});
    m_stopIcon = addIconAction(":/icons/ban-magnifier.svg", {provider, Tr::Stop});
    m_settingsIcon = addIconAction(":/setting.svg", {provider, Tr::Settings});
    m_detailsIcon = addIconAction(":/info-circle.svg", {provider, Tr::ShowDetails});
    m_detailsIcon->setCheckable(true);
    m_detailsIcon->setChecked(true);
    m_stopIcon->setEnabled(false);

    // Nothing shows the direct-connection icon while the network search is
    // not offered, so the widget stays hidden.
    m_direct = new DirectConnectionWidget(this);
    m_ui->detailsLayout->addWidget(m_direct);
    m_direct->hide();
    m_directIcon->setVisible(false);
    m_directIcon->setCheckable(true);
    connect(m_directIcon, &GuiIconAction::toggled, this, &NTabSearching::toggleDirectSearching);

    m_ui->stopButton->setEnabled(false);
    m_ui->connectButton->setProperty("greyed", true);
    repolish(m_ui->connectButton);
    setColumnTitles();
    m_ui->tableDevices->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    connect(m_ui->tableDevices, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { m_controller->connectDevice(row); });
    connect(m_ui->searchButton, &QPushButton::clicked, m_searchIcon, &GuiIconAction::clicked);
    connect(m_ui->stopButton, &QPushButton::clicked, m_stopIcon, &GuiIconAction::clicked);
    connect(m_settingsIcon, &GuiIconAction::clicked, this, &NTabSearching::settingsClicked);
    connect(m_searchIcon, &GuiIconAction::clicked, this, &NTabSearching::searchClicked);
    connect(m_stopIcon, &GuiIconAction::clicked, this, &NTabSearching::stopClicked);
    connect(m_detailsIcon, &GuiIconAction::toggled, this, &NTabSearching::showDetailsClicked);
    connect(m_connectIcon, &GuiIconAction::clicked, this, &NTabSearching::connectionButtonClicked);
    connect(m_disconnectIcon, &GuiIconAction::clicked, this,
            &NTabSearching::connectionButtonClicked);
    connect(m_ui->connectButton, &QPushButton::clicked, this,
            &NTabSearching::connectionButtonClicked);
    connect(m_ui->tableDevices->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &NTabSearching::selectionChanged);
}

NTabSearching::~NTabSearching() { delete m_ui; }

void NTabSearching::saveSettings() const { m_direct->saveSettings(); }

void NTabSearching::searchStarted()
{
    m_ui->pbSearching->setEnabled(true);
    m_searchIcon->setEnabled(false);
    m_stopIcon->setEnabled(true);
    m_ui->searchButton->setEnabled(false);
    m_ui->stopButton->setEnabled(true);
    m_ui->teDetails->clear();
    m_ui->tableDevices->setRowCount(0);
}

void NTabSearching::searchFinished()
{
    m_ui->pbSearching->setValue(100);
    m_ui->pbSearching->setEnabled(false);
    m_searchIcon->setEnabled(true);
    m_stopIcon->setEnabled(false);
    m_ui->searchButton->setEnabled(true);
    m_ui->stopButton->setEnabled(false);
}

void NTabSearching::setProgress(int value) { m_ui->pbSearching->setValue(value); }

void NTabSearching::setConnectionState(int state)
{
    m_buttonState = state;
    m_connectIcon->setEnabled(state == ConnectButton);
    m_disconnectIcon->setEnabled(state == DisconnectButton);
    QPushButton* button = m_ui->connectButton;
    button->setText(state == DisconnectButton ? tr("Disconnect") : tr("Connect"));
    button->setProperty("disco", state == DisconnectButton);
    button->setProperty("greyed", state != ConnectButton && state != DisconnectButton);
    repolish(button);
}

bool NTabSearching::isEmpty() const { return m_ui->tableDevices->rowCount() == 0; }

bool NTabSearching::hasNoSelection() const
{
    return !m_ui->tableDevices->selectionModel()->hasSelection();
}

void NTabSearching::setStopEnabled(bool enabled)
{
    m_stopIcon->setEnabled(enabled);
    m_ui->stopButton->setEnabled(enabled);
}

void NTabSearching::appendLog(const QString& line) { onNewLogLine(line); }

void NTabSearching::onNewLogLine(QString s)
{
    QTextCursor cursor = m_ui->teDetails->textCursor();
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::End);
    if (cursor.position() != 0)
        cursor.insertText("\n");
    cursor.insertText(s);
    m_ui->teDetails->setTextCursor(cursor);
    QScrollBar* bar = m_ui->teDetails->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void NTabSearching::updateRow(int row, bool connected,
                              const std::optional<Common::Communication::DeviceInfo>& info)
{
    QTableWidget* table = m_ui->tableDevices;
    if (row < 0 || row >= table->rowCount())
        return;
    auto setText = [table, row](int column, const QString& text) {
        if (QTableWidgetItem* item = table->item(row, column))
            item->setText(text);
    };
    setText(0, connected ? tr("CON") : QString());
    if (info) {
        setText(2, info->model);
        setText(3, info->serialNumber);
        setText(4, info->date);
        setText(5, info->firmware);
    }
}

DirectConnectionTarget NTabSearching::directTarget() const
{
    DirectConnectionTarget target;
    if (m_direct->isVisible())
        target.set(QHostAddress(m_direct->ip()), quint16(m_direct->port()));
    return target;
}

void NTabSearching::addRow()
{
    QTableWidget* table = m_ui->tableDevices;
    table->setRowCount(table->rowCount() + 1);
}

void NTabSearching::fillRow(int row, const QString& toolTip, const QMap<int, QString>& cells)
{
    for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
        auto* item = new QTableWidgetItem;
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        item->setToolTip(toolTip);
        item->setText(it.value());
        m_ui->tableDevices->setItem(row, it.key(), item);
    }
}

QTableWidget* NTabSearching::table() const { return m_ui->tableDevices; }

QString NTabSearching::details() const { return m_ui->teDetails->toPlainText(); }

void NTabSearching::searchClicked() { m_controller->startSearch(); }

void NTabSearching::showDetailsClicked(bool checked)
{
    m_detailsIcon->button()->setToolTip(checked ? tr("Hide details") : tr("Show details"));
    m_ui->teDetails->setVisible(checked);
}

void NTabSearching::settingsClicked() { m_controller->openSearchSettings(); }

void NTabSearching::connectionButtonClicked()
{
    if (m_buttonState == DisconnectButton) {
        m_controller->disconnectDevice();
    } else if (m_buttonState == ConnectButton) {
        const int row = selectedRow();
        if (row >= 0)
            m_controller->connectDevice(row);
    }
}

void NTabSearching::connectionIconClicked()
{
    const int row = selectedRow();
    if (m_buttonState == ConnectButton && row >= 0)
        m_controller->connectDevice(row);
}

void NTabSearching::disconnectionIconClicked()
{
    if (m_buttonState == DisconnectButton)
        m_controller->disconnectDevice();
}

void NTabSearching::stopClicked() { m_controller->stopSearch(); }

void NTabSearching::selectionChanged() { m_controller->onSelectionChanged(); }

void NTabSearching::toggleDirectSearching(bool toggle) { m_direct->setVisible(toggle); }

int NTabSearching::selectedRow() const
{
    const QModelIndexList rows = m_ui->tableDevices->selectionModel()->selectedRows(0);
    return rows.isEmpty() ? -1 : rows.first().row();
}

void NTabSearching::setColumnTitles()
{
    m_ui->tableDevices->setHorizontalHeaderLabels(
        {tr("State"), tr("Interface"), tr("Model"), tr("S/N"), tr("Prod date"), tr("Firmware")});
}

void NTabSearching::showEvent(QShowEvent* event)
{
    AbstractGuiTab::showEvent(event);
    m_controller->onTabShown();
}

void NTabSearching::changeEvent(QEvent* event)
{
    AbstractGuiTab::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        m_ui->searchButton->setText(tr("Search"));
        m_ui->stopButton->setText(tr("Stop"));
        m_ui->connectButton->setText(m_buttonState == DisconnectButton ? tr("Disconnect")
                                                                       : tr("Connect"));
        setColumnTitles();
        // The icon's own text came back with the base; keep the one that
        // says what a click does now.
        showDetailsClicked(m_ui->teDetails->isVisibleTo(this));
    }
}
