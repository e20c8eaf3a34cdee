#include "ui/VornAbstractDialog.h"

#include <QAbstractButton>
#include <QShowEvent>

VornAbstractDialog::VornAbstractDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QString VornAbstractDialog::text() const { return QString(); }

bool VornAbstractDialog::isConfirmed() const { return false; }

void VornAbstractDialog::setText(const QString&) { }

void VornAbstractDialog::setTextValue(const QString& text) { setText(text); }

QString VornAbstractDialog::textValue() const { return text(); }

QVariant VornAbstractDialog::value() const { return QVariant(); }

void VornAbstractDialog::setValue(const QVariant&) { }

void VornAbstractDialog::reset() { }

void VornAbstractDialog::cancel()
{
    m_confirmed = false;
    reject();
}

void VornAbstractDialog::confirm()
{
    m_confirmed = true;
    accept();
}

void VornAbstractDialog::bindButtons(QAbstractButton* cancelButton, QAbstractButton* confirmButton)
{
    connect(cancelButton, &QAbstractButton::clicked, this, &VornAbstractDialog::cancel);
    connect(confirmButton, &QAbstractButton::clicked, this, &VornAbstractDialog::confirm);
}

void VornAbstractDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        m_confirmed = false;
    QDialog::showEvent(event);
}
