#include "ui/DateDialog.h"

#include <QDate>

#include "ui_DateDialog.h"

namespace {
const QString dateFormat = QStringLiteral("dd-MM-yyyy");
}

DateDialog::DateDialog(QWidget* parent) : VornAbstractDialog(parent), m_ui(new Ui::DateDialog)
{
    m_ui->setupUi(this);
    bindButtons(m_ui->cancelButton, m_ui->confirmButton);
    connect(m_ui->buttonToday, &QPushButton::clicked, this, &DateDialog::todayClicked);
}

DateDialog::~DateDialog() { delete m_ui; }

QString DateDialog::text() const
{
    return m_ui->calendarWidget->selectedDate().toString(dateFormat);
}

bool DateDialog::isConfirmed() const { return m_confirmed; }

void DateDialog::setText(const QString& text)
{
    const QDate date = QDate::fromString(text, dateFormat);
    if (date.isValid())
        m_ui->calendarWidget->setSelectedDate(date);
}

QVariant DateDialog::value() const { return QVariant(m_ui->calendarWidget->selectedDate()); }

void DateDialog::setValue(const QVariant& value)
{
    if (value.userType() == QMetaType::QDate && value.toDate().isValid())
        m_ui->calendarWidget->setSelectedDate(value.toDate());
}

void DateDialog::todayClicked() { setValue(QDate::currentDate()); }

void DateDialog::changeEvent(QEvent* event)
{
    VornAbstractDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
}
