#include "search/TutorialDialog.h"

#include "ui_TutorialDialog.h"

TutorialDialog::TutorialDialog(QWidget* parent) : QDialog(parent), m_ui(new Ui::TutorialDialog)
{
    m_ui->setupUi(this);
    connect(m_ui->comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged),
            m_ui->stackedWidget, &QStackedWidget::setCurrentIndex);
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

TutorialDialog::~TutorialDialog() { delete m_ui; }

void TutorialDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // Re-translating refills the combo box; keep the page the user chose.
        const int page = m_ui->comboBox->currentIndex();
        m_ui->retranslateUi(this);
        m_ui->comboBox->setCurrentIndex(page);
    }
}
