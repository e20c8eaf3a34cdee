#include "ui/SettingWidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QToolButton>

#include "ui/VornAbstractDialog.h"
#include "ui/WidgetWrapper.h"

namespace Common {
namespace Widgets {

SettingWidget::SettingWidget(QWidget* parent)
    : QWidget(parent), m_layout(new QHBoxLayout(this)), m_editButton(new QToolButton(this))
{
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_editButton->setText(QStringLiteral("..."));
    m_editButton->hide();
    m_layout->addWidget(m_editButton);
    connect(m_editButton, &QToolButton::clicked, this, &SettingWidget::onEditButtonClick);
}

void SettingWidget::setWrapper(WidgetWrapper* wrapper)
{
    if (m_wrapper) {
        // The old editor went into this row's layout, so the row disposes of
        // it; left behind it would stay painted over the new one.
        if (QWidget* old = m_wrapper->widget()) {
            m_layout->removeWidget(old);
            if (old->parent() == this && (!wrapper || wrapper->widget() != old)) {
                old->hide();
                old->deleteLater();
            }
        }
        m_wrapper->deleteLater();
    }
    m_wrapper = wrapper;
    if (!m_wrapper)
        return;
    m_wrapper->setParent(this);
    if (QWidget* editor = m_wrapper->widget())
        m_layout->insertWidget(0, editor);
}

void SettingWidget::setDialog(VornAbstractDialog* dialog)
{
    m_dialog = dialog;
    updateEditButton();
}

void SettingWidget::setValue(const QVariant& value)
{
    if (m_wrapper)
        m_wrapper->setValue(value);
}

QVariant SettingWidget::value() const { return m_wrapper ? m_wrapper->value() : QVariant(); }

void SettingWidget::onEditButtonClick()
{
    if (!m_dialog)
        return;
    m_dialog->setValue(value());
    m_dialog->exec();
    if (m_dialog && m_dialog->isConfirmed())
        setValue(m_dialog->value());
}

void SettingWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateEditButton();
}

void SettingWidget::updateEditButton() { m_editButton->setVisible(m_dialog && isEnabled()); }

} // namespace Widgets
} // namespace Common
