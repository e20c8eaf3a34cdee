#include "terminal/VornCommandWidget.h"

#include "terminal/VornContextMenu.h"

#include "ui_VornCommandWidget.h"

VornCommandWidget::VornCommandWidget(QWidget* parent, VornContextMenu* menu)
    : QWidget(parent), m_ui(new Ui::VornCommandWidget), m_menu(menu)
{
    m_ui->setupUi(this);
    connect(m_ui->sendButton, &QToolButton::clicked, this, &VornCommandWidget::sendClicked);
    connect(m_ui->command, &QLineEdit::customContextMenuRequested, this,
            &VornCommandWidget::showContextMenu);
}

VornCommandWidget::~VornCommandWidget() { delete m_ui; }

void VornCommandWidget::setText(const QString& text) { m_ui->command->setText(text); }

QString VornCommandWidget::text() const { return m_ui->command->text(); }

void VornCommandWidget::setCrlfChecked(bool checked) { m_ui->crlfBox->setChecked(checked); }

QLineEdit* VornCommandWidget::commandEdit() const { return m_ui->command; }

QCheckBox* VornCommandWidget::crlfBox() const { return m_ui->crlfBox; }

QToolButton* VornCommandWidget::sendButton() const { return m_ui->sendButton; }

void VornCommandWidget::showContextMenu(const QPoint& pos)
{
    if (!m_menu)
        return;
    m_menu->execAt(mapToGlobal(pos));
    const QString value = m_menu->chosenValue();
    if (!value.isEmpty())
        m_ui->command->setText(value);
}

void VornCommandWidget::sendClicked()
{
    QString text = m_ui->command->text();
    // The only escapes: a typed \r and \n become CR and LF.
    text.replace(QLatin1String("\\r"), QStringLiteral("\r"));
    text.replace(QLatin1String("\\n"), QStringLiteral("\n"));
    if (m_ui->crlfBox->isChecked())
        text += QLatin1String("\r\n");
    emit sendString(text);
}
