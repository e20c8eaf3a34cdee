#include "search/DirectConnectionWidget.h"

#include "ui/Ipv4Expression.h"

#include "ui_DirectConnectionWidget.h"

#include <QRegularExpressionValidator>
#include <QSettings>

namespace {

const QString group = QStringLiteral("Direct Connection");

} // namespace

DirectConnectionWidget::DirectConnectionWidget(QWidget* parent)
    : QWidget(parent), m_ui(new Ui::DirectConnectionWidget)
{
    m_ui->setupUi(this);
    QSettings settings;
    settings.beginGroup(group);
    const QString ip = settings.value("IP").toString();
    const int port = settings.value("Port", 1001).toInt();
    settings.endGroup();
    const QRegularExpression expression = ipv4Expression();
    if (expression.match(ip).hasMatch())
        m_ui->ipLineEdit->setText(ip);
    m_ui->portLine->setValue(port);
    m_ui->ipLineEdit->setValidator(new QRegularExpressionValidator(expression, this));
}

DirectConnectionWidget::~DirectConnectionWidget()
{
    saveSettings();
    delete m_ui;
}

void DirectConnectionWidget::saveSettings() const
{
    QSettings settings;
    settings.beginGroup(group);
    settings.setValue("IP", ip());
    settings.setValue("Port", port());
    settings.endGroup();
}

QString DirectConnectionWidget::ip() const { return m_ui->ipLineEdit->text(); }

int DirectConnectionWidget::port() const { return m_ui->portLine->value(); }

void DirectConnectionWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
}
