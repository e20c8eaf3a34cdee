#include "search/NoDeviceDialog.h"

#include "ui/DialogRunner.h"

#include "ui_NoDeviceDialog.h"

NoDeviceDialog::NoDeviceDialog(QWidget* parent)
    : QDialog(parent), m_ui(new Ui::NoDeviceDialog), m_tutorial(nullptr)
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_ui->helpButton, &QPushButton::clicked, this,
            [this] { DialogRunner::run(m_tutorial); });
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

NoDeviceDialog::~NoDeviceDialog() { delete m_ui; }

void NoDeviceDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
}
