#include "app/MainWindow.h"

#include "app/CommunicationContext.h"
#include "app/IMainWindowController.h"
#include "app/MainWindowTrProvider.h"
#include "ui/AbstractGuiTab.h"
#include "ui/GuiIconAction.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

MainWindow::MainWindow(MainWindowTrProvider* provider, KD::IMainWindowController* controller,
                       const QVector<AbstractGuiTab*>& pages, CommunicationContext* context,
                       QWidget* parent)
    : NMainWindowForm(TranslationHandle(provider, MainWindowTrProvider::AboutText), context,
                      parent),
      m_controller(controller), m_provider(provider)
{
    m_provider->setParent(this);
    m_controller->setWindow(this);
    setWindowTitle(QCoreApplication::applicationName());

    for (int index = 0; index < pages.size(); ++index) {
        // A page that this build does not have leaves its place empty.
        if (!pages[index])
            continue;
        pages[index]->setParent(this);
        addTab(pages[index], index);
    }

    m_start =
        new GuiIconAction(":/play-button.svg",
                          TranslationHandle(m_provider, MainWindowTrProvider::StartAnalysis), this);
    m_stop =
        new GuiIconAction(":/icons2/free/stop-button-round.svg",
                          TranslationHandle(m_provider, MainWindowTrProvider::StopAnalysis), this);
    addIconAction(m_start);
    addIconAction(m_stop);
    connect(m_start, &GuiIconAction::clicked, this, &MainWindow::startClicked);
    connect(m_stop, &GuiIconAction::clicked, this, &MainWindow::stopClicked);

    // Its text is set once: the name reads the same in both languages.
    m_firmware = new QAction(tr("Firmware"), menuBar());
    menuBar()->addAction(m_firmware);
    connect(m_firmware, &QAction::triggered, this, &MainWindow::firmwareClicked);

    refreshCurrentPage();
    context->installStatusBar(statusBar());
}

void MainWindow::startClicked() { m_controller->start(); }

void MainWindow::stopClicked() { m_controller->stop(); }

void MainWindow::firmwareClicked() { m_controller->firmware(); }
