#pragma once

#include "ui/TranslationHandle.h"

#include <QObject>
#include <QPointer>
#include <QToolButton>

class QAction;
class QFrame;

// One icon of a tool bar: a tool button and a menu action that share one
// translated text. The parent owns the object, which owns its action until
// a menu's owner takes it, and its button until a widget does (the cell of
// placeInCell, or wherever the caller puts it).
class GuiIconAction : public QObject
{
    Q_OBJECT

public:
    GuiIconAction(const QString& iconPath, const TranslationHandle& text,
                  QObject* parent = nullptr);
    ~GuiIconAction() override;

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

    QPointer<QToolButton> m_button;
    QAction* m_action;
    TranslationHandle m_text;
    QFrame* m_cell = nullptr;
    QMetaObject::Connection m_buttonToggled;
    QMetaObject::Connection m_actionTriggered;
};
