// The main window as the program builds it, connected to the simulated
// analyzer found by the search, on each of its pages; and the firmware dialog
// with no analyzer connected and with one.
#include "ShotRegistry.h"

#include "app/CommunicationContext.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "search/NTabSearching.h"
#include "terminal/FilterWidgetNew.h"
#include "terminal/NTabTerminal.h"
#include "terminal/VornCommandWidget.h"
#include "ui/FirmwareDialog.h"

#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FixedSerialPortLister.h"
#include "tests/support/SimulatedDryer.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

SORVANA_SHOT(program)
{
    // The program chooses its language from the settings, as at a start.
    QSettings().setValue(QStringLiteral("Translation"), camera.language());
    QSettings().setValue(QStringLiteral("SearchBaudrates/values"), QStringLiteral("9600;"));
    AnalyzerSimulator simulator;
    simulator.setIdentification({"MA 50.R", "SN 4711", "2024-03-01", "FW 2.1", "x", "y"});
    SimulatedDryer device(&simulator);
    SimulatorPtyLink link(&simulator);
    FixedSerialPortLister ports;
    if (!link.open())
        return;
    ports.add(link.slavePath(), QStringLiteral("simulated analyzer"));
    // The connection boxes are answered at once.
    FakeMessageBoxPresenter boxes(QMessageBox::Ok);

    Program program;
    if (!program.prepareDatabase())
        return;
    program.build();
    MainWindow* window = program.window();
    CommunicationContext* context = program.communication();
    context->searchHolder()->serialSearch()->setPortLister(&ports);

    Common::FirmwareDialog offline(context->firmwareMessageBoxes(), true, window);
    offline.prepare(QString());
    camera.take(&offline, QStringLiteral("program-firmware-offline"));

    ShotCamera::show(window);
    auto* search = static_cast<NTabSearching*>(context->searchTab());
    window->findChild<QPushButton*>(QStringLiteral("searchButton"))->click();
    auto* searchButton = window->findChild<QPushButton*>(QStringLiteral("searchButton"));
    const bool found = QTest::qWaitFor(
        [&] { return search->table()->rowCount() == 1 && searchButton->isEnabled(); }, 15000);
    if (!found)
        return;
    search->table()->selectRow(0);
    window->findChild<QPushButton*>(QStringLiteral("connectButton"))->click();
    ShotCamera::settle(1000);

    auto* terminal = static_cast<NTabTerminal*>(context->terminalTab());
    terminal->commandRows().at(11)->sendButton()->click();
    const char* const pages[] = {"search", "drying", "dryingsettings", "terminal"};
    for (int page = 0; page < 4; ++page) {
        window->changePage(page, true);
        ShotCamera::settle(page == 3 ? 700 : 300);
        camera.take(window, QStringLiteral("program-%1").arg(QLatin1String(pages[page])));
    }
    // Filter rows for the direction, the time and the message, as a user
    // filtering the log opens them.
    Common::Filters::FilterWidgetNew* bar = terminal->filterWidget();
    bar->filtersDialog()->openWithChecked({0, 3, 4});
    bar->filtersDialog()->confirmClicked();
    camera.take(window, QStringLiteral("program-terminal-filtered"));
    bar->filtersDialog()->openWithChecked({});
    bar->filtersDialog()->confirmClicked();

    Common::FirmwareDialog online(context->firmwareMessageBoxes(), false, window);
    online.prepare(QString());
    camera.take(&online, QStringLiteral("program-firmware-online"));
    window->close();
}
