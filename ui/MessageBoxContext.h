#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

class IMessageBoxPresenter;
class QWidget;

// Title and parent shared by the program's message boxes. Both are read when a
// box is shown, so boxes shown after start-up carry the application name and
// belong to the main window.
struct MessageBoxContext
{
    QString title;
    QPointer<QWidget> parent;

    void setTitle(const QString& text) { title = text; }
    void setParent(QWidget* widget) { parent = widget; }

    // Modal Yes/No box; true only when it ends with Yes.
    bool askYesNo(const QString& text, QMessageBox::Icon icon, Qt::TextFormat format) const;
    // Modal box with one Ok button.
    void showBox(const QString& text, QMessageBox::Icon icon, Qt::TextFormat format) const;

    bool askWarning(const QString& text, Qt::TextFormat format = Qt::AutoText) const;
    bool askQuestion(const QString& text, Qt::TextFormat format = Qt::AutoText) const;
    void showWarning(const QString& text, Qt::TextFormat format = Qt::AutoText) const;
    void showCritical(const QString& text, Qt::TextFormat format = Qt::AutoText) const;
    void showInformation(const QString& text, Qt::TextFormat format = Qt::AutoText) const;

    // Who shows the boxes of every context: a real QMessageBox unless a test
    // has put its own presenter in place (nullptr restores the real one).
    static void setPresenter(IMessageBoxPresenter* presenter);
    static IMessageBoxPresenter* presenter();
};
