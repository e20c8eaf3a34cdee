#pragma once

#include <QMenu>
#include <QStringList>

// A menu of labelled values; a label "SEPARATOR" becomes a separator. With
// label and value counts that do not match, the menu stays empty.
class VornContextMenu : public QMenu
{
    Q_OBJECT

public:
    VornContextMenu(const QString& title, QWidget* parent, const QStringList& labels,
                    const QStringList& values);

    // Runs the menu at a global point (blocking) after forgetting the last choice.
    void execAt(const QPoint& globalPos);
    // The value of the action chosen, or empty when the menu was closed.
    QString chosenValue() const { return m_chosenValue; }

protected:
    // Shows the menu modally; tests pick an action instead.
    virtual void runAt(const QPoint& globalPos);

private:
    QString m_chosenValue;
};
