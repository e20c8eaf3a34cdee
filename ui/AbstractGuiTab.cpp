#include "ui/AbstractGuiTab.h"

#include "ui/GuiIconAction.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

AbstractGuiTab::AbstractGuiTab(const TranslationHandle& title, QWidget* parent)
    : QWidget(parent), m_toolBar(new QWidget(this)), m_toolBarLayout(new QHBoxLayout(m_toolBar)),
      m_menu(new QMenu(tr("Current"), this)), m_title(title), m_menuAction(new QAction(this))
{
    m_toolBarLayout->setContentsMargins(0, 0, 0, 0);
    m_toolBarLayout->setSpacing(0);
    // Not part of the page's own layout: it would float over the page.
    m_toolBar->hide();
    retranslateMenuAction();
}

// The icon actions are plain objects without parent; their buttons and menu
// actions go with the widget tree.
AbstractGuiTab::~AbstractGuiTab() { qDeleteAll(m_iconActions); }

QString AbstractGuiTab::title() const { return m_title.text(); }

void AbstractGuiTab::createSelectorButton(const QString& iconPath)
{
    m_selector = new QToolButton(this);
    m_selector->setCheckable(true);
    m_selector->setAutoRaise(true);
    m_selector->setIcon(QIcon(iconPath));
    m_selector->setText(QString());
    m_selector->setIconSize(QSize(70, 70));
    m_selector->setToolTip(title());
}

GuiIconAction* AbstractGuiTab::addIconAction(const QString& iconPath, const TranslationHandle& text)
{
    auto* iconAction = new GuiIconAction(iconPath, text);
    QFrame* cell = iconAction->placeInCell();
    m_toolBarLayout->addWidget(cell);
    iconAction->action()->setParent(m_menu);
    m_menu->addAction(iconAction->action());
    m_iconActions.append(iconAction);
    return iconAction;
}

void AbstractGuiTab::addSpacer()
{
    auto* spacer = new QWidget;
    spacer->setMinimumSize(16, 16);
    m_toolBarLayout->addWidget(spacer);
}

void AbstractGuiTab::retranslateMenuAction()
{
    m_menuAction->setText(tr("Show ") + QLatin1Char('"') + title() + QLatin1Char('"'));
}

void AbstractGuiTab::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        for (GuiIconAction* iconAction : qAsConst(m_iconActions))
            iconAction->updateTranslation();
        retranslateMenuAction();
        // The menu title is set once in the constructor; without this it
        // would stay in the previous language.
        m_menu->setTitle(tr("Current"));
        if (m_selector)
            m_selector->setToolTip(title());
    }
    QWidget::changeEvent(event);
}
