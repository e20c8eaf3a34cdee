#include "ui/TimeComboBoxDialog.h"

#include <QtGlobal>

#include "ui_TimeComboBoxDialog.h"

namespace {
const QString timeFormat = QStringLiteral("hh:mm:ss");

void fillTwoDigits(QComboBox* box)
{
    for (int i = 0; i < 60; ++i)
        box->addItem(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
}

int indexOf(const QComboBox* box) { return qBound(0, box->currentIndex(), 59); }
} // namespace

TimeComboBoxDialog::TimeComboBoxDialog(bool twelveHourMode, QWidget* parent)
    : VornAbstractDialog(parent), m_ui(new Ui::TimeComboBoxDialog), m_twelveHourMode(twelveHourMode)
{
    m_ui->setupUi(this);

    if (m_twelveHourMode) {
        m_ui->comboBoxHours->addItem(QStringLiteral("12"));
        for (int h = 1; h < 12; ++h)
            m_ui->comboBoxHours->addItem(QString::number(h));
    } else {
        for (int h = 0; h < 24; ++h)
            m_ui->comboBoxHours->addItem(QString::number(h));
    }
    m_ui->buttonAmPm->setVisible(m_twelveHourMode);
    fillTwoDigits(m_ui->comboBoxMinutes);
    fillTwoDigits(m_ui->comboBoxSeconds);

    bindButtons(m_ui->cancelButton, m_ui->confirmButton);
    connect(m_ui->buttonAmPm, &QPushButton::clicked, this, &TimeComboBoxDialog::togglePm);
    connect(m_ui->buttonNow, &QPushButton::clicked, this, &TimeComboBoxDialog::setNow);
}

TimeComboBoxDialog::~TimeComboBoxDialog() { delete m_ui; }

QString TimeComboBoxDialog::text() const { return time().toString(timeFormat); }

bool TimeComboBoxDialog::isConfirmed() const { return m_confirmed; }

void TimeComboBoxDialog::setText(const QString& text)
{
    setTime(QTime::fromString(text, timeFormat));
}

QVariant TimeComboBoxDialog::value() const { return QVariant(time()); }

void TimeComboBoxDialog::setValue(const QVariant& value)
{
    if (value.userType() == QMetaType::QTime)
        setTime(value.toTime());
}

void TimeComboBoxDialog::setHour(int hour)
{
    setPm(hour >= 12);
    int index = qBound(0, hour, 23);
    if (m_twelveHourMode)
        index %= 12;
    m_ui->comboBoxHours->setCurrentIndex(index);
}

void TimeComboBoxDialog::setMinute(int minute)
{
    m_ui->comboBoxMinutes->setCurrentIndex(qBound(0, minute, 59));
}

void TimeComboBoxDialog::setSecond(int second)
{
    m_ui->comboBoxSeconds->setCurrentIndex(qBound(0, second, 59));
}

int TimeComboBoxDialog::hour() const
{
    const int index = qMax(0, m_ui->comboBoxHours->currentIndex());
    if (!m_twelveHourMode)
        return qMin(index, 23);
    return index + (m_pm ? 12 : 0);
}

int TimeComboBoxDialog::minute() const { return indexOf(m_ui->comboBoxMinutes); }

int TimeComboBoxDialog::second() const { return indexOf(m_ui->comboBoxSeconds); }

QTime TimeComboBoxDialog::time() const { return QTime(hour(), minute(), second(), 0); }

void TimeComboBoxDialog::setTime(const QTime& time)
{
    if (!time.isValid())
        return;
    setHour(time.hour());
    setMinute(time.minute());
    setSecond(time.second());
}

void TimeComboBoxDialog::setPm(bool pm)
{
    m_pm = pm;
    showPm();
}

void TimeComboBoxDialog::togglePm() { setPm(!m_pm); }

void TimeComboBoxDialog::setNow() { setTime(QTime::currentTime()); }

void TimeComboBoxDialog::showPm() { m_ui->buttonAmPm->setText(m_pm ? tr("PM") : tr("AM")); }

void TimeComboBoxDialog::changeEvent(QEvent* event)
{
    VornAbstractDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        showPm(); // the form resets the button to AM
    }
}
