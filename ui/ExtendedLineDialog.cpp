#include "ui/ExtendedLineDialog.h"

#include "ui_ExtendedLineDialog.h"

ExtendedLineDialog::ExtendedLineDialog(QWidget* parent)
    : VornAbstractDialog(parent), m_ui(new Ui::ExtendedLineDialog)
{
    m_ui->setupUi(this);
    bindButtons(m_ui->cancelButton, m_ui->confirmButton);
}

ExtendedLineDialog::~ExtendedLineDialog() { delete m_ui; }

QString ExtendedLineDialog::text() const { return m_ui->textEdit->toPlainText(); }

bool ExtendedLineDialog::isConfirmed() const { return m_confirmed; }

// Plain text both ways: a value that looks like markup must come back as typed.
void ExtendedLineDialog::setText(const QString& text) { m_ui->textEdit->setPlainText(text); }

QVariant ExtendedLineDialog::value() const { return QVariant(text()); }

void ExtendedLineDialog::setValue(const QVariant& value) { setText(value.toString()); }

void ExtendedLineDialog::changeEvent(QEvent* event)
{
    VornAbstractDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
}
