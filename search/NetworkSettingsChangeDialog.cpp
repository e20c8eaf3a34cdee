#include "search/NetworkSettingsChangeDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Common {

NetworkSettingsChangeDialog::NetworkSettingsChangeDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("Common__NetworkSettingsChangeDialog");
    resize(350, 200);
    setMaximumSize(350, 200);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    layout->setObjectName("verticalLayout");
    m_changesLayout = new QVBoxLayout;
    m_changesLayout->setObjectName("changesLayout");
    layout->addLayout(m_changesLayout);
    layout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    auto* line = new QFrame(this);
    line->setObjectName("line");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    m_summary = new QLabel(this);
    m_summary->setObjectName("labelSummary");
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    layout->addItem(new QSpacerItem(40, 20));
    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName("closeButton");
    m_closeButton->setEnabled(false);
    layout->addWidget(m_closeButton);
    retranslate();

    connect(m_closeButton, &QPushButton::clicked, this,
            &NetworkSettingsChangeDialog::onCloseClicked);
}

void NetworkSettingsChangeDialog::addStep(const QString& name)
{
    auto* label = new QLabel(QStringLiteral("%1. %2").arg(m_stepCount + 1).arg(name), this);
    m_steps.append(label);
    m_changesLayout->addWidget(label);
    ++m_stepCount;
}

void NetworkSettingsChangeDialog::setStepResult(bool ok, const QString& details)
{
    if (m_steps.isEmpty())
        return;
    QLabel* last = m_steps.last();
    QString text = last->text() + " - " + (ok ? tr("OK") : tr("Fail"));
    if (!details.isEmpty())
        text += " - " + details;
    last->setText(text);
}

void NetworkSettingsChangeDialog::setSummary(const QString& text) { m_summary->setText(text); }

void NetworkSettingsChangeDialog::enableClose()
{
    m_closeBlocked = false;
    m_closeButton->setEnabled(true);
}

void NetworkSettingsChangeDialog::clearSteps()
{
    for (QLabel* label : qAsConst(m_steps))
        label->deleteLater();
    m_steps.clear();
}

QString NetworkSettingsChangeDialog::summary() const { return m_summary->text(); }

QStringList NetworkSettingsChangeDialog::stepTexts() const
{
    QStringList texts;
    for (const QLabel* label : m_steps)
        texts << label->text();
    return texts;
}

void NetworkSettingsChangeDialog::onCloseClicked()
{
    if (!m_closeBlocked)
        close();
}

void NetworkSettingsChangeDialog::reject()
{
    // Escape ends up here; while the change runs the changer still reports
    // into this dialog, so it must stay.
    if (!m_closeBlocked)
        QDialog::reject();
}

void NetworkSettingsChangeDialog::closeEvent(QCloseEvent* event)
{
    if (m_closeBlocked)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void NetworkSettingsChangeDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void NetworkSettingsChangeDialog::retranslate() { m_closeButton->setText(tr("Close")); }

} // namespace Common
