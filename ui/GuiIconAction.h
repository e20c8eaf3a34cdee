#pragma once

#include "ui/TranslationHandle.h"

#include <QObject>

class QAction;
class QFrame;
class QToolButton;

// One icon of a tool bar: a tool button and a menu action that share one
// translated text. The object itself owns neither; their Qt parents do.
class GuiIconAction : public QObject
{
    Q_OBJECT

public:
    GuiIconAction(const QString& iconPath, const TranslationHandle& text,
                  QObject* parent = nullptr);

    QToolButton* button() const { return m_button; }
    QAction* action() const { return m_action; }
    TranslationHandle textHandle() const { return m_text; }

    // Moves the button into a new framed 32 x 32 cell (a widget without
    // parent, for the caller's layout) and returns the cell. setVisible hides
    // and shows the cell together with the button.
    QFrame* placeInCell();

signals:
    void toggled(bool checked);
    void clicked();
    void enabled(bool enabled);

public slots:
    void setCheckable(bool checkable);
    void setEnabled(bool enabled);
    void setChecked(bool checked);
    void setVisible(bool visible);
    void updateTranslation();

private:
    void applyCheckedLook(bool checked);

    QToolButton* m_button;
    QAction* m_action;
    TranslationHandle m_text;
    QFrame* m_cell = nullptr;
    QMetaObject::Connection m_buttonToggled;
    QMetaObject::Connection m_actionTriggered;
};
