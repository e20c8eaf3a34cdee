#include "ui/HotKeyButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

bool ignoredWhileCapturing(int key)
{
    return key == 0 || key == Qt::Key_unknown || (key >= 0x101 && key <= 0x1FF)
           || key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt;
}

// Windows virtual-key code of a Qt key, 0 when there is no such code.
quint32 virtualKeyOf(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return quint32(key); // 'A'..'Z', '0'..'9'
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + quint32(key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0x09;
    case Qt::Key_Clear: return 0x0C;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_CapsLock: return 0x14;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_Print: return 0x2C;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_Help: return 0x2F;
    case Qt::Key_Menu: return 0x5D;
    case Qt::Key_NumLock: return 0x90;
    case Qt::Key_ScrollLock: return 0x91;
    case Qt::Key_Asterisk: return 0x6A;
    case Qt::Key_Plus: return 0xBB;
    case Qt::Key_Comma: return 0xBC;
    case Qt::Key_Minus: return 0xBD;
    case Qt::Key_Period: return 0xBE;
    case Qt::Key_Slash: return 0xBF;
    case Qt::Key_Semicolon: return 0xBA;
    case Qt::Key_QuoteLeft: return 0xC0;
    case Qt::Key_BracketLeft: return 0xDB;
    case Qt::Key_Backslash: return 0xDC;
    case Qt::Key_BracketRight: return 0xDD;
    case Qt::Key_Apostrophe: return 0xDE;
    default: return 0;
    }
}

} // namespace

HotKeyButton::HotKeyButton(QWidget* parent)
    : QWidget(parent), m_label(new QLabel(this)),
      m_unbindButton(new QPushButton(tr("Unbind"), this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(4, 0, 0, 0);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    m_label->setMinimumHeight(20);
    m_unbindButton->setMinimumHeight(20);
    // Clicking Unbind must not take the focus, which would end the capture.
    m_unbindButton->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_unbindButton);
    connect(m_unbindButton, &QPushButton::clicked, this, &HotKeyButton::onUnbindClicked);
}

void HotKeyButton::setText(const QString& text) { m_label->setText(text); }

QString HotKeyButton::code(int key, Qt::KeyboardModifiers modifiers, quint32 nativeVirtualKey)
{
    int digit = 0;
    if (modifiers & Qt::ShiftModifier)
        digit += 1;
    if (modifiers & Qt::ControlModifier)
        digit += 2;
    if (modifiers & Qt::AltModifier)
        digit += 4;
#ifdef Q_OS_WIN
    const quint32 virtualKey = nativeVirtualKey ? nativeVirtualKey : virtualKeyOf(key);
#else
    // Native codes here are X keysyms, not virtual keys.
    const quint32 mapped = virtualKeyOf(key);
    const quint32 virtualKey = mapped ? mapped : nativeVirtualKey;
#endif
    return QString::number(digit) + QString::number(virtualKey, 16);
}

void HotKeyButton::onUnbindClicked()
{
    m_unbound = true;
    emit unbound();
}

// While capturing, a press must not reach the table behind the editor, whose
// own key handling (arrows, type-ahead search) would close the editor before
// the release arrives.
void HotKeyButton::keyPressEvent(QKeyEvent* event)
{
    if (m_capturing) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HotKeyButton::keyReleaseEvent(QKeyEvent* event)
{
    if (m_capturing) {
        if (ignoredWhileCapturing(event->key()))
            return;
        m_capturing = false;
        m_key = event->key();
        m_modifiers = event->modifiers();
        emit codeArrived(code(m_key, m_modifiers, event->nativeVirtualKey()));
        emit qtKeyArrived(m_key, m_modifiers);
    }
    QWidget::keyReleaseEvent(event);
}

void HotKeyButton::focusOutEvent(QFocusEvent* event)
{
    m_capturing = false;
    QWidget::focusOutEvent(event);
}
