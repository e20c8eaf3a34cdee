#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Captures one key combination when its key is released, or an "Unbind".
class HotKeyButton : public QWidget
{
    Q_OBJECT

public:
    explicit HotKeyButton(QWidget* parent = nullptr);

    void setText(const QString& text);
    int key() const { return m_key; }
    Qt::KeyboardModifiers modifiers() const { return m_modifiers; }
    bool isUnbound() const { return m_unbound; }
    bool isCapturing() const { return m_capturing; }

    // "Shift" 1 + "Ctrl" 2 + "Alt" 4 in decimal, then the key's Windows
    // virtual-key code in lower-case hex ("241" for Ctrl+A). Off Windows the
    // code comes from the Qt key, so the text is the same on every system.
    static QString code(int key, Qt::KeyboardModifiers modifiers, quint32 nativeVirtualKey);

signals:
    void codeArrived(QString code);
    void qtKeyArrived(int key, Qt::KeyboardModifiers modifiers);
    void unbound();

public slots:
    void onUnbindClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_key = -1;
    Qt::KeyboardModifiers m_modifiers;
    bool m_unbound = false;
    bool m_capturing = true;
    QLabel* m_label;
    QPushButton* m_unbindButton;
};
