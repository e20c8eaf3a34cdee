#include "ui/SerialPortSettingsWidget.h"

#include "ui_SerialPortSettingsWidget.h"

#include <QEvent>

SerialPortSettingsWidget::SerialPortSettingsWidget(QWidget* parent)
    : QWidget(parent), m_ui(new Ui::SerialPortSettingsWidget)
{
    m_ui->setupUi(this);
    for (int rate : m_baudRates)
        m_ui->baudComboBox->addItem(QString::number(rate));
    m_ui->baudComboBox->setCurrentIndex(0);
    refreshPorts();
    connect(m_ui->refreshButton, &QPushButton::clicked, this,
            &SerialPortSettingsWidget::refreshClicked);
}

SerialPortSettingsWidget::~SerialPortSettingsWidget() = default;

void SerialPortSettingsWidget::refreshPorts()
{
    m_ui->portComboBox->clear();
    const QVector<SerialPortEntry> ports = m_lister->availablePorts();
    for (const SerialPortEntry& port : ports)
        m_ui->portComboBox->addItem(port.portName);
    const bool any = m_ui->portComboBox->count() > 0;
    if (!any)
        m_ui->portComboBox->addItem(tr("No ports avaliable"));
    m_ui->portComboBox->setEnabled(any);
}

void SerialPortSettingsWidget::refreshClicked()
{
    const QString current = m_ui->portComboBox->currentText();
    refreshPorts();
    const int index = m_ui->portComboBox->findText(current);
    if (index >= 0)
        m_ui->portComboBox->setCurrentIndex(index);
}

QString SerialPortSettingsWidget::portName() const { return m_ui->portComboBox->currentText(); }

int SerialPortSettingsWidget::baudRate() const
{
    return m_baudRates.value(m_ui->baudComboBox->currentIndex(), m_baudRates.first());
}

void SerialPortSettingsWidget::setBaudEnabled(bool enabled)
{
    m_ui->baudComboBox->setEnabled(enabled);
    m_ui->baudLabel->setEnabled(enabled);
}

void SerialPortSettingsWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
