#pragma once

#include "ui/TranslationHandle.h"

#include <QMainWindow>
#include <QPointer>
#include <QVector>

class AbstractGuiTab;
class CommunicationContext;
class GuiIconAction;
class QButtonGroup;
class QMenu;

namespace Ui {
class NMainWindowForm;
}

// The main window without product specifics: the page selectors on the left,
// the header row with the window's and the current page's icons, the page
// stack, the menus, the language switch and the window's saved geometry.
class NMainWindowForm : public QMainWindow
{
    Q_OBJECT

public:
    NMainWindowForm(const TranslationHandle& aboutText, CommunicationContext* context,
                    QWidget* parent = nullptr);
    ~NMainWindowForm() override;

    // Pages are shown in the order of their indexes; index 0 starts current.
    void addTab(AbstractGuiTab* page, int index);
    // Window-level icons stand in the header in the order they are added.
    void addIconAction(GuiIconAction* iconAction);
    void refreshCurrentPage();
    AbstractGuiTab* currentTab() const;

    virtual void showAbout();

public slots:
    void changePage(int id, bool toggled);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    CommunicationContext* communication() const { return m_context; }

private:
    void switchLanguage(const QString& name);
    void markLanguage();
    void retranslateAbout();

    Ui::NMainWindowForm* m_ui;
    QButtonGroup* m_selectors;
    CommunicationContext* m_context;
    TranslationHandle m_aboutText;
    QVector<GuiIconAction*> m_iconActions;
    // Where the next window icon goes in the header; counted per window.
    int m_iconPosition = 0;
    QVector<QPointer<AbstractGuiTab>> m_pages;
    QPointer<QWidget> m_pageToolBar;
    QPointer<QMenu> m_pageMenu;
};
