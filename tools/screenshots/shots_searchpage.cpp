// The search page with a found and with a connected analyzer, its dialogs:
// no device, the tutorial, why unreachable and the settings change progress.
#include "ShotRegistry.h"

#include "search/FreeIpChecker.h"
#include "search/IAddressProbe.h"
#include "search/ITabSearchingController.h"
#include "search/NDialogWhyUnreachable.h"
#include "search/NTabSearching.h"
#include "search/NetworkSettingsChangeDialog.h"
#include "search/NoDeviceDialog.h"
#include "search/TabSearchingTrProvider.h"

#include <QComboBox>
#include <QTableWidget>
#include <QToolButton>

using Common::Communication::DeviceInfo;
using Common::Communication::DevNetworkInterface;

namespace {

// The page alone: it is driven below as its controller would drive it.
class IdleController : public Common::ITabSearchingController
{
public:
    void startSearch() override { }
    void stopSearch() override { }
    void setTab(Common::ITabSearching*) override { }
    void onSelectionChanged() override { }
    void onTabShown() override { }
    void connectDevice(int) override { }
    void disconnectDevice() override { }
    void openSearchSettings() override { }
};

// Proposes the first address at once; no ping leaves the machine.
class FirstFreeProbe : public Common::Communication::IAddressProbe
{
public:
    void probe(quint32 address) override { emit probed(address, Free); }
    void cancel() override { }
};

void fillFoundPage(NTabSearching& page)
{
    page.searchStarted();
    page.appendLog("Searching via serial ports...");
    page.appendLog("Ports to be used during search: COM3, COM4");
    page.appendLog("COM4 (FTDI): No device found");
    page.appendLog("COM3 (115200,FTDI): MA 50.R | 512345 | 2024-03-01 | 2.14");
    page.addRow();
    page.fillRow(0, QString(),
                 {{0, QString()},
                  {1, "COM3 (FTDI,115200)"},
                  {2, "MA 50.R"},
                  {3, "512345"},
                  {4, "2024-03-01"},
                  {5, "2.14"}});
    page.searchFinished();
    page.appendLog("Search finished");
    page.table()->selectRow(0);
}

DevNetworkInterface unreachableModule()
{
    DevNetworkInterface s;
    s.setRoutingMode(2);
    s.setTransportProtocol(2);
    s.setHostIp(QHostAddress("192.168.1.10"));
    s.setHostNetmask(QHostAddress("255.255.255.0").toIPv4Address());
    s.setDeviceIp(QHostAddress("10.0.0.7"));
    s.setRemoteIp(QHostAddress("10.0.0.1"));
    s.setNetmask(QHostAddress("255.255.0.0"));
    return s;
}

} // namespace

SORVANA_SHOT(searchpage)
{
    IdleController controller;
    NTabSearching page(new TabSearchingTrProvider, &controller);
    page.resize(900, 594);
    // The main window places the selector in its own column.
    page.selectorButton()->hide();
    fillFoundPage(page);
    page.setConnectionState(Common::ITabSearching::ConnectButton);
    camera.take(&page, "searchpage-found");

    page.updateRow(0, true, DeviceInfo{"MA 50.R", "512345", "2024-03-01", "2.14"});
    page.setConnectionState(Common::ITabSearching::DisconnectButton);
    camera.take(&page, "searchpage-connected");

    page.searchStarted();
    page.setProgress(40);
    page.appendLog("Searching via serial ports...");
    camera.take(&page, "searchpage-searching");
}

SORVANA_SHOT(nodevice)
{
    NoDeviceDialog dialog;
    camera.take(&dialog, "nodevice");
    TutorialDialog* tutorial = dialog.tutorial();
    camera.take(tutorial, "tutorial-rs232");
    tutorial->findChild<QComboBox*>("comboBox")->setCurrentIndex(2);
    camera.take(tutorial, "tutorial-ethernet");
}

SORVANA_SHOT(whyunreachable)
{
    Common::Communication::FreeIpChecker::setProbeFactory([] { return new FirstFreeProbe; });
    NDialogWhyUnreachable dialog;
    dialog.fillRows({4, 5, 6}, unreachableModule());
    camera.take(&dialog, "whyunreachable");
    NDialogWhyUnreachable dhcp;
    DevNetworkInterface module = unreachableModule();
    module.setDhcp(true);
    dhcp.fillRows({0}, module);
    camera.take(&dhcp, "whyunreachable-dhcp");
    Common::Communication::FreeIpChecker::setProbeFactory({});
}

SORVANA_SHOT(networkchange)
{
    Common::NetworkSettingsChangeDialog dialog;
    dialog.addStep(QStringLiteral("Changing device's network settings"));
    dialog.setStepResult(true, QString());
    dialog.addStep(QStringLiteral("Trying to connect to the device with new settings"));
    dialog.setStepResult(true, QString());
    dialog.setSummary(QStringLiteral("Settings changed successfully, and connected successfully."));
    dialog.enableClose();
    camera.take(&dialog, "networkchange");
}
