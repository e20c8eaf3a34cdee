#include "ui/GuiIconAction.h"

#include "ui/IconRecolouring.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QToolButton>

namespace {
const QRgb checkedColour = 0xFF9944;
const QRgb uncheckedColour = 0x000000;
const char* const checkedStyle = "QToolButton { background-color: black;border:none; }";
} // namespace

GuiIconAction::GuiIconAction(const QString& iconPath, const TranslationHandle& text,
                             QObject* parent)
    : QObject(parent), m_button(new QToolButton), m_action(new QAction(this)), m_text(text)
{
    m_button->setIcon(QIcon(iconPath));
    m_button->setText(QString());
    updateTranslation();
    connect(m_button, &QToolButton::clicked, this, &GuiIconAction::clicked);
    connect(m_action, &QAction::triggered, this, &GuiIconAction::clicked);
}

GuiIconAction::~GuiIconAction()
{
    if (m_button && !m_button->parentWidget())
        delete m_button;
}

QFrame* GuiIconAction::placeInCell()
{
    auto* cell = new QFrame;
    cell->setFrameShape(QFrame::StyledPanel);
    cell->setFrameShadow(QFrame::Plain);
    cell->setLineWidth(2);
    cell->setFixedSize(32, 32);
    cell->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QGridLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_button);
    m_button->setIconSize(QSize(30, 30));
    m_cell = cell;
    return cell;
}

void GuiIconAction::setCheckable(bool checkable)
{
    m_button->setCheckable(checkable);
    m_action->setCheckable(checkable);
    disconnect(m_buttonToggled);
    disconnect(m_actionTriggered);
    if (!checkable)
        return;
    m_buttonToggled = connect(m_button, &QToolButton::toggled, this, [this](bool checked) {
        setChecked(checked);
        emit toggled(checked);
    });
    m_actionTriggered = connect(m_action, &QAction::triggered, this, &GuiIconAction::setChecked);
}

void GuiIconAction::setEnabled(bool enabled)
{
    m_button->setEnabled(enabled);
    m_action->setEnabled(enabled);
    emit this->enabled(enabled);
}

void GuiIconAction::setChecked(bool checked)
{
    if (m_action->isChecked() != checked)
        m_action->setChecked(checked);
    if (m_button->isCheckable() && m_button->isChecked() != checked) {
        // The button's toggled signal comes back here and finishes the change.
        m_button->setChecked(checked);
        return;
    }
    applyCheckedLook(checked);
}

void GuiIconAction::setVisible(bool visible)
{
    m_button->setVisible(visible);
    if (m_cell && m_button->parentWidget() == m_cell)
        m_cell->setVisible(visible);
}

void GuiIconAction::updateTranslation()
{
    const QString text = m_text.text();
    m_button->setToolTip(text);
    m_action->setText(text);
}

void GuiIconAction::applyCheckedLook(bool checked)
{
    m_button->setStyleSheet(checked ? QString::fromLatin1(checkedStyle) : QString());
    paintButtonIcon(m_button, checked ? checkedColour : uncheckedColour);
}
