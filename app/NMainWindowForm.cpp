#include "app/NMainWindowForm.h"

#include "app/AboutDialog.h"
#include "app/CommunicationContext.h"
#include "ui/AbstractGuiTab.h"
#include "ui/DialogRunner.h"
#include "ui/GuiIconAction.h"
#include "ui/LanguageSwitch.h"

#include "ui_NMainWindowForm.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QMessageBox>
#include <QSettings>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const geometryKey = "guiSettings/mainGeometry";
const char* const stateKey = "guiSettings/mainState";
const char* const translationKey = "Translation";
// The splitter handles' colour. A style sheet on the window would put every
// widget of every page through the style-sheet style, which makes the start
// several times slower; the handles are filled with it instead.
const QColor splitterHandleColour(0x98, 0x98, 0x98);

void colourSplitterHandles(QWidget* page)
{
    const QList<QSplitter*> splitters = page->findChildren<QSplitter*>();
    for (QSplitter* splitter : splitters) {
        for (int i = 0; i < splitter->count(); ++i) {
            QSplitterHandle* handle = splitter->handle(i);
            QPalette palette = handle->palette();
            palette.setColor(QPalette::Window, splitterHandleColour);
            handle->setPalette(palette);
            handle->setAutoFillBackground(true);
        }
    }
}

} // namespace

NMainWindowForm::NMainWindowForm(const TranslationHandle& aboutText, CommunicationContext* context,
                                 QWidget* parent)
    : QMainWindow(parent), m_ui(new Ui::NMainWindowForm), m_selectors(new QButtonGroup(this)),
      m_context(context), m_aboutText(aboutText)
{
    m_ui->setupUi(this);
    m_ui->viewIconMenu->setChecked(true);
    m_ui->viewTabMenu->setChecked(true);

    if (m_aboutText.text().isEmpty()) {
        m_ui->menuAbout->menuAction()->setVisible(false);
    } else {
        retranslateAbout();
        connect(m_ui->actionAbout_Qt, &QAction::triggered, this,
                [this] { QMessageBox::aboutQt(this, QString()); });
        connect(m_ui->actionAbout_App, &QAction::triggered, this, &NMainWindowForm::showAbout);
    }
    markLanguage();

    QSettings settings;
    restoreGeometry(settings.value(geometryKey).toByteArray());
    restoreState(settings.value(stateKey).toByteArray(), 0);

    connect(m_ui->viewIconMenu, &QAction::toggled, m_ui->iconsMenu, &QWidget::setVisible);
    connect(m_ui->viewTabMenu, &QAction::toggled, m_ui->tabsMenu, &QWidget::setVisible);
    connect(m_selectors, &QButtonGroup::idToggled, this, &NMainWindowForm::changePage);
    connect(m_ui->actionPolish, &QAction::triggered, this,
            [this] { switchLanguage(QStringLiteral("polish")); });
    connect(m_ui->actionEnglish, &QAction::triggered, this,
            [this] { switchLanguage(QStringLiteral("english")); });
}

NMainWindowForm::~NMainWindowForm() { delete m_ui; }

void NMainWindowForm::addTab(AbstractGuiTab* page, int index)
{
    m_ui->subPages->addWidget(page);
    colourSplitterHandles(page);
    m_ui->menuView->addAction(page->menuAction());

    auto* cell = new QFrame(this);
    cell->setFrameShape(QFrame::Panel);
    cell->setFrameShadow(QFrame::Sunken);
    cell->setLineWidth(1);
    auto* cellLayout = new QVBoxLayout(cell);
    cellLayout->setSpacing(0);
    cellLayout->setContentsMargins(0, 0, 0, 0);
    cellLayout->addWidget(page->selectorButton());
    m_ui->mainIconLayout->insertWidget(qMin(index, m_ui->mainIconLayout->count()), cell);

    m_selectors->addButton(page->selectorButton(), index);
    if (index == 0)
        page->selectorButton()->setChecked(true);
    if (m_pages.size() <= index)
        m_pages.resize(index + 1);
    m_pages[index] = page;

    m_context->hotKeys()->registerAction(page, index);
    connect(page->menuAction(), &QAction::triggered, this,
            [this, index] { changePage(index, true); });
}

void NMainWindowForm::addIconAction(GuiIconAction* iconAction)
{
    QFrame* cell = iconAction->placeInCell();
    m_ui->headerLayout->insertWidget(m_iconPosition++, cell);
    m_ui->menuGlobal->addAction(iconAction->action());
    m_iconActions.append(iconAction);
}

void NMainWindowForm::refreshCurrentPage()
{
    const int index = m_pages.indexOf(currentTab());
    if (index >= 0)
        changePage(index, true);
}

AbstractGuiTab* NMainWindowForm::currentTab() const
{
    return qobject_cast<AbstractGuiTab*>(m_ui->subPages->currentWidget());
}

void NMainWindowForm::showAbout()
{
    Common::AboutDialog dialog(m_aboutText, this);
    DialogRunner::run(dialog);
}

void NMainWindowForm::changePage(int id, bool toggled)
{
    // The un-checking of the previous selector arrives here too.
    if (!toggled || id < 0 || id >= m_pages.size() || !m_pages[id])
        return;
    AbstractGuiTab* page = m_pages[id];
    if (QAbstractButton* selector = m_selectors->button(id))
        selector->setChecked(true);
    m_ui->subPages->setCurrentWidget(page);
    m_ui->tabTitle->setText(page->title());

    QWidget* shownToolBar = m_pageToolBar ? m_pageToolBar.data() : m_ui->tabIconsMenu;
    if (shownToolBar != page->toolBarWidget()) {
        shownToolBar->hide();
        delete m_ui->headerLayout->replaceWidget(shownToolBar, page->toolBarWidget());
        m_pageToolBar = page->toolBarWidget();
    }
    m_pageToolBar->show();

    QMenu* shownMenu = m_pageMenu ? m_pageMenu.data() : m_ui->menuCurrent;
    menuBar()->insertMenu(m_ui->menuView->menuAction(), page->menu());
    if (shownMenu != page->menu())
        shownMenu->menuAction()->setVisible(false);
    m_pageMenu = page->menu();
    m_pageMenu->menuAction()->setVisible(true);
}

void NMainWindowForm::closeEvent(QCloseEvent* event)
{
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(stateKey, saveState(0));
    QMainWindow::closeEvent(event);
}

void NMainWindowForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setWindowTitle(QCoreApplication::applicationName());
        retranslateAbout();
        if (AbstractGuiTab* page = currentTab())
            m_ui->tabTitle->setText(page->title());
        for (GuiIconAction* iconAction : qAsConst(m_iconActions))
            iconAction->updateTranslation();
        m_context->retranslate();
    }
    QMainWindow::changeEvent(event);
}

void NMainWindowForm::switchLanguage(const QString& name)
{
    QSettings().setValue(translationKey, name);
    reloadTranslation();
    markLanguage();
}

void NMainWindowForm::markLanguage()
{
    const bool polish = QSettings().value(translationKey).toString() == QLatin1String("polish");
    QFont bold = m_ui->actionPolish->font();
    bold.setWeight(QFont::Bold);
    QFont normal = bold;
    normal.setWeight(QFont::Normal);
    m_ui->actionPolish->setFont(polish ? bold : normal);
    m_ui->actionEnglish->setFont(polish ? normal : bold);
}

void NMainWindowForm::retranslateAbout()
{
    m_ui->actionAbout_App->setText(tr("About") + QLatin1Char(' ')
                                   + QCoreApplication::applicationName());
}
