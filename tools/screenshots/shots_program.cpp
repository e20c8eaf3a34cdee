// The main window as the program builds it, on each of its pages, and the
// firmware dialog with no analyzer connected.
#include "ShotRegistry.h"

#include "app/CommunicationContext.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "ui/FirmwareDialog.h"

#include <QSettings>

SORVANA_SHOT(program)
{
    // The program chooses its language from the settings, as at a start.
    QSettings().setValue(QStringLiteral("Translation"), camera.language());
    Program program;
    if (!program.prepareDatabase())
        return;
    program.build();
    MainWindow* window = program.window();
    const char* const pages[] = {"search", "drying", "dryingsettings", "terminal"};
    for (int page = 0; page < 4; ++page) {
        window->changePage(page, true);
        camera.take(window, QStringLiteral("program-%1").arg(QLatin1String(pages[page])));
    }

    Common::FirmwareDialog firmware(program.communication()->firmwareMessageBoxes(), true, window);
    firmware.prepare(QString());
    camera.take(&firmware, QStringLiteral("program-firmware-offline"));
    Common::FirmwareDialog online(program.communication()->firmwareMessageBoxes(), false, window);
    camera.take(&online, QStringLiteral("program-firmware-online"));
    window->close();
}
