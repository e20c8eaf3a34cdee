#include "app/StartFromDeviceWidget.h"

#include "analyzer/ITryIgnoreStartFromDevice.h"

#include "ui_StartFromDeviceWidget.h"

#include <QEvent>
#include <QSignalBlocker>

StartFromDeviceWidget::StartFromDeviceWidget(QWidget* parent)
    : QWidget(parent), ui(new Ui::StartFromDeviceWidget)
{
    ui->setupUi(this);
    connect(ui->checkBox, &QCheckBox::stateChanged, this, &StartFromDeviceWidget::onToggle);
}

StartFromDeviceWidget::~StartFromDeviceWidget() { delete ui; }

bool StartFromDeviceWidget::isChecked() const { return ui->checkBox->isChecked(); }

void StartFromDeviceWidget::onToggle(int state)
{
    if (!m_receiver)
        return;
    const bool ignoring = m_receiver->setIgnoreStartFromDevice(state != Qt::Checked);
    // Setting the answer must not ask the controller a second time.
    const QSignalBlocker blocker(ui->checkBox);
    ui->checkBox->setCheckState(ignoring ? Qt::Unchecked : Qt::Checked);
}

void StartFromDeviceWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
