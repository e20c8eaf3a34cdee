// The search settings dialog: as the program shows it (network search not
// offered, so no mode choice) and with the mode choice.
#include "ShotRegistry.h"

#include "search/SearchModeFlags.h"
#include "search/SearchParameters.h"
#include "search/SearchSettings.h"
#include "ui/IMessageBoxesSearchSettings.h"

namespace {

struct NoBoxes : public Common::IMessageBoxesSearchSettings
{
    void showNoBaudRate() override { }
    void showNoSearchMode() override { }
};

} // namespace

SORVANA_SHOT(searchsettings)
{
    SearchParameters parameters;
    parameters.setSelectableBaudRates({1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200});
    parameters.saveSearchBaudrates({9600, 19200, 115200});
    SearchModeFlags modes;
    modes.saveSearchModes(false, true);
    NoBoxes boxes;
    for (bool showModes : {false, true}) {
        SearchSettings dialog(&boxes, &parameters, &modes, showModes);
        camera.take(&dialog, showModes ? QStringLiteral("searchsettings-modes")
                                       : QStringLiteral("searchsettings"));
    }
}
