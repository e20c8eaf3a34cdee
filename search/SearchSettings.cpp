#include "search/SearchSettings.h"

#include "search/SearchModeFlags.h"
#include "search/SearchParameters.h"
#include "ui/IMessageBoxesSearchSettings.h"
#include "ui_SearchSettings.h"

#include <QSet>

SearchSettings::SearchSettings(Common::IMessageBoxesSearchSettings* messageBoxes,
                               SearchParameters* parameters, SearchModeFlags* modes, bool showModes,
                               QWidget* parent)
    : QDialog(parent), m_ui(new Ui::SearchSettings), m_messageBoxes(messageBoxes),
      m_parameters(parameters), m_modes(modes)
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QVector<int> saved = parameters->savedSearchBaudRates();
    const QSet<int> chosen(saved.cbegin(), saved.cend());
    for (int rate : parameters->selectableBaudRates()) {
        auto* item = new QListWidgetItem(QString::number(rate), m_ui->baudListWidget);
        item->setData(Qt::UserRole, rate);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(chosen.contains(rate) ? Qt::Checked : Qt::Unchecked);
    }
    m_ui->serialPortCheckBox->setChecked(modes->serial());
    m_ui->networkCheckBox->setChecked(modes->network());

    connect(m_ui->saveButton, &QPushButton::clicked, this, &SearchSettings::saveAndClose);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    if (!showModes) {
        for (QWidget* widget : {static_cast<QWidget*>(m_ui->modesLabel),
                                static_cast<QWidget*>(m_ui->serialPortCheckBox),
                                static_cast<QWidget*>(m_ui->networkCheckBox),
                                static_cast<QWidget*>(m_ui->lineBaudsModes),
                                static_cast<QWidget*>(m_ui->lineModesButtons)})
            widget->hide();
    }
}

SearchSettings::~SearchSettings() { delete m_ui; }

void SearchSettings::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void SearchSettings::saveAndClose()
{
    QVector<int> rates;
    for (int row = 0; row < m_ui->baudListWidget->count(); ++row) {
        const QListWidgetItem* item = m_ui->baudListWidget->item(row);
        if (item->checkState() == Qt::Checked)
            rates.append(item->data(Qt::UserRole).toInt());
    }
    if (rates.isEmpty()) {
        m_messageBoxes->showNoBaudRate();
        return;
    }
    const bool network = m_ui->networkCheckBox->isChecked();
    const bool serial = m_ui->serialPortCheckBox->isChecked();
    if (!network && !serial) {
        m_messageBoxes->showNoSearchMode();
        return;
    }
    m_parameters->saveSearchBaudrates(rates);
    m_modes->saveSearchModes(network, serial);
    accept();
}
