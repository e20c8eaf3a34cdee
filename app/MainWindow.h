#pragma once

#include "app/IMainWindow.h"
#include "app/NMainWindowForm.h"

class AbstractGuiTab;
class MainWindowTrProvider;
class QAction;

namespace KD {
class IMainWindowController;
}

// The program's main window: the four pages, the Start and Stop icons of a
// drying run and the Firmware action, all handed to the window controller.
class MainWindow : public NMainWindowForm, public KD::IMainWindow
{
    Q_OBJECT

public:
    // Takes the provider over; the pages are shown in the order given.
    MainWindow(MainWindowTrProvider* provider, KD::IMainWindowController* controller,
               const QVector<AbstractGuiTab*>& pages, CommunicationContext* context,
               QWidget* parent = nullptr);
    GuiIconAction* startAction() const { return m_start; }
    GuiIconAction* stopAction() const { return m_stop; }
    QAction* firmwareAction() const { return m_firmware; }

public slots:
    void startClicked();
    void stopClicked();
    void firmwareClicked();

private:
    KD::IMainWindowController* m_controller;
    MainWindowTrProvider* m_provider;
    // The window's own children: no page owns them.
    GuiIconAction* m_start;
    GuiIconAction* m_stop;
    QAction* m_firmware;
};
