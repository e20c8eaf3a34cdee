#pragma once

#include "ui/TranslationHandle.h"

#include <QVector>
#include <QWidget>

class GuiIconAction;
class QAction;
class QHBoxLayout;
class QMenu;
class QToolButton;

// Base of every page of the main window. It makes the pieces the window
// shows for the page: the selector button, the tool-bar widget with the
// page's icons, the page menu and the menu action that shows the page.
class AbstractGuiTab : public QWidget
{
    Q_OBJECT

public:
    explicit AbstractGuiTab(const TranslationHandle& title, QWidget* parent = nullptr);
    ~AbstractGuiTab() override;

    virtual QString title() const;
    // Writes what the page keeps in the settings; a page that keeps any also
    // writes it when it goes.
    virtual void saveSettings() const { }

    // Hidden until the main window places and shows it.
    QWidget* toolBarWidget() const { return m_toolBar; }
    QMenu* menu() const { return m_menu; }
    // Null until the page has called createSelectorButton.
    QToolButton* selectorButton() const { return m_selector; }
    QAction* menuAction() const { return m_menuAction; }
    TranslationHandle titleHandle() const { return m_title; }

protected:
    void createSelectorButton(const QString& iconPath);
    GuiIconAction* addIconAction(const QString& iconPath, const TranslationHandle& text);
    void addSpacer();
    void retranslateMenuAction();

    // Pages that override this call it first.
    void changeEvent(QEvent* event) override;

private:
    QWidget* m_toolBar;
    QHBoxLayout* m_toolBarLayout;
    QMenu* m_menu;
    TranslationHandle m_title;
    QToolButton* m_selector = nullptr;
    QAction* m_menuAction;
    QVector<GuiIconAction*> m_iconActions;
};
