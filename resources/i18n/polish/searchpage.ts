<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::ConnectionStateChangeDispatcher</name>
        <message>
            <source>Communication issues.
Disconnected from:</source>
            <translation>Problemy z komunikacją.
Rozłączono z:</translation>
        </message>
        <message>
            <source>Connected to:</source>
            <translation>Połączono z:</translation>
        </message>
        <message>
            <source>Disconnected from:</source>
            <translation>Rozłączono z:</translation>
        </message>
        <message>
            <source>No communication with device.
Disconnected from:</source>
            <translation>Brak komunikacji z urządzeniem.
Rozłączono z:</translation>
        </message>
        <message>
            <source>Unable to connect:</source>
            <translation>Nie można połączyć z:</translation>
        </message>
    </context>
    <context>
        <name>Common::ConnectionStateChangeMessageBoxHandler</name>
        <message>
            <source>Date: %1
</source>
            <translation>Data: %1
</translation>
        </message>
        <message>
            <source>Firmware: %1</source>
            <translation>Firmware: %1</translation>
        </message>
        <message>
            <source>Interface: %1
</source>
            <translation>Interfejs: %1
</translation>
        </message>
        <message>
            <source>Model: %1
</source>
            <translation>Model: %1
</translation>
        </message>
        <message>
            <source>S/N: %1
</source>
            <translation>S/N: %1
</translation>
        </message>
    </context>
    <context>
        <name>Common::NetworkSettingsChangeDialog</name>
        <message>
            <source>Close</source>
            <translation>Zamknij</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>Common::TabSearchingController</name>
        <message>
            <source>Connection requested</source>
            <translation>Zarządano połączenia</translation>
        </message>
        <message>
            <source>Not reachable!</source>
            <translation>Nieosiągalne!</translation>
        </message>
        <message>
            <source>Search finished</source>
            <translation>Zakończono wyszukiwanie</translation>
        </message>
        <message>
            <source>Stop requested</source>
            <translation>Zarządano zatrzymania</translation>
        </message>
        <message>
            <source>The program is already connected to a device.
New search will cause disconnection.

Are you sure you want to proceed?</source>
            <translation>Program jest obecnie połączony z urządzeniem
Nowe wyszukiwanie spowoduje rozłączenie,

Czy chcesz kontynuować?</translation>
        </message>
        <message>
            <source>stopping search procedure...</source>
            <translation>zatrzymywanie procedury wyszukiwania...</translation>
        </message>
    </context>
    <context>
        <name>DirectConnectionWidget</name>
        <message>
            <source>IP</source>
            <translation>IP</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
    </context>
    <context>
        <name>NDialogWhyUnreachable</name>
        <message>
            <source>Allowed values</source>
            <translation>Dozwolone wartości</translation>
        </message>
        <message>
            <source>Apply and connect</source>
            <translation>Zastosuj i połącz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Current value</source>
            <translation>Bieżąca wartość</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>Okno dialogowe</translation>
        </message>
        <message>
            <source>Dynamic</source>
            <translation>Dynamiczny</translation>
        </message>
        <message>
            <source>Following settings has to be changed in order for device to be reachable</source>
            <translation>Aby urządzenie było osiągalne, należy zmienić następujące ustawienia</translation>
        </message>
        <message>
            <source>IP Address</source>
            <translation>Adres IP</translation>
        </message>
        <message>
            <source>It looks like device IP address (obtained from DHCP server) is not reachable.
&#xd;
&#xd;You can either
&#xd;  Click CANCEL and correct DHCP server settings
&#xd;or
&#xd;  Switch to static IP by changing following settings:</source>
            <translation>Wygląda na to, że adres IP urządzenia (uzyskany z serwera DHCP) jest nieosiągalny.
&#xd;
&#xd;Możesz
&#xd;  Kliknąć ANULUJ i poprawić ustawienia serwera DHCP
&#xd;albo
&#xd;  Przełączyć na statyczny adres IP, zmieniając następujące ustawienia:</translation>
        </message>
        <message>
            <source>Netmask</source>
            <translation>Maska sieci</translation>
        </message>
        <message>
            <source>New value</source>
            <translation>Nowa wartość</translation>
        </message>
        <message>
            <source>Protocol</source>
            <translation>Protokół</translation>
        </message>
        <message>
            <source>Remote IP</source>
            <translation>Zdalny adres IP</translation>
        </message>
        <message>
            <source>Static</source>
            <translation>Statyczny</translation>
        </message>
        <message>
            <source>Static/Dynamic</source>
            <translation>Statyczny/Dynamiczny</translation>
        </message>
    </context>
    <context>
        <name>NTabSearching</name>
        <message>
            <source>CON</source>
            <translation>CON</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Połącz</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Rozłącz</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Hide details</source>
            <translation>Ukryj szczegóły</translation>
        </message>
        <message>
            <source>Interface</source>
            <translation>Interfejs</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Model</translation>
        </message>
        <message>
            <source>Prod date</source>
            <translation>Data prod</translation>
        </message>
        <message>
            <source>S/N</source>
            <translation>S/N</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Wyszukaj</translation>
        </message>
        <message>
            <source>Show details</source>
            <translation>Pokaż szczegóły</translation>
        </message>
        <message>
            <source>State</source>
            <translation>Stan</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Przerwij</translation>
        </message>
    </context>
    <context>
        <name>NoDeviceDialog</name>
        <message>
            <source>Help</source>
            <translation>Pomoc</translation>
        </message>
        <message>
            <source>No device found</source>
            <translation>Nie znaleziono urządzenia</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Search Engine</source>
            <translation>Wyszukiwarka</translation>
        </message>
    </context>
    <context>
        <name>TabSearchingTrProvider</name>
        <message>
            <source>Connect</source>
            <translation>Połącz</translation>
        </message>
        <message>
            <source>Direct connection</source>
            <translation>Bezpośrednie połączenie</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Rozłącz</translation>
        </message>
        <message>
            <source>Search for devices</source>
            <translation>Rozpocznij wyszukiwanie</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Ustawienia</translation>
        </message>
        <message>
            <source>Show details</source>
            <translation>Pokaż szczegóły</translation>
        </message>
        <message>
            <source>Stop searching</source>
            <translation>Zatrzymaj wyszukiwanie</translation>
        </message>
        <message>
            <source>Tab searching</source>
            <translation>Wyszukiwarka urządzeń</translation>
        </message>
    </context>
    <context>
        <name>TutorialDialog</name>
        <message>
            <source>Cable USB A/USB B</source>
            <translation>Kabel USB A/USB B</translation>
        </message>
        <message>
            <source>Choose interface</source>
            <translation>Wybierz interfejs</translation>
        </message>
        <message>
            <source>Connecting the scale&apos;s Ethernet interface to the computer&apos;s Ethernet port via switch</source>
            <translation>Podłączenie interfejsu Ethernet wagi do portu Ethernet komputera przez switch</translation>
        </message>
        <message>
            <source>Connecting the scale&apos;s RS232 interface to the computer&apos;s COM port</source>
            <translation>Podłączenie interfejsu RS232 wagi do portu COM komputera</translation>
        </message>
        <message>
            <source>Connecting the scale&apos;s RS232 interface to the computer&apos;s USB port</source>
            <translation>Podłączenie interfejsu RS232 wagi do portu USB komputera</translation>
        </message>
        <message>
            <source>Connecting the scale&apos;s USB interface to the computer&apos;s USB port</source>
            <translation>Podłączenie interfejsu USB wagi do portu USB komputera</translation>
        </message>
        <message>
            <source>Ethernet</source>
            <translation>Ethernet</translation>
        </message>
        <message>
            <source>Ethernet serial interface</source>
            <translation>Interfejs szeregowy Ethernet</translation>
        </message>
        <message>
            <source>How to connect device to computer</source>
            <translation>Jak podłączyć urządzenie do komputera</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>RS232</source>
            <translation>RS232</translation>
        </message>
        <message>
            <source>RS232 / USB converter</source>
            <translation>Konwerter RS232 / USB</translation>
        </message>
        <message>
            <source>Scale-computer cable KP-1</source>
            <translation>Kabel waga-komputer KP-1</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Switch</translation>
        </message>
        <message>
            <source>The back of the computer</source>
            <translation>Tył komputera</translation>
        </message>
        <message>
            <source>The back of the scale</source>
            <translation>Tył wagi</translation>
        </message>
        <message>
            <source>Tutorial</source>
            <translation>Samouczek</translation>
        </message>
        <message>
            <source>Twisted pair with RJ45 plugs</source>
            <translation>Skrętka z wtykami RJ45</translation>
        </message>
        <message>
            <source>USB</source>
            <translation>USB</translation>
        </message>
        <message>
            <source>USB serial interface</source>
            <translation>Interfejs szeregowy USB</translation>
        </message>
    </context>
</TS>
