<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::Communication::COMSearch</name>
        <message>
            <source>No serial ports found.</source>
            <translation>Nie znaleziono portów szeregowych.</translation>
        </message>
        <message>
            <source>Ports to be used during search: </source>
            <translation>Porty używane podczas wyszukiwania: </translation>
        </message>
        <message>
            <source>Searching via serial ports...</source>
            <translation>Wyszukiwanie przez porty szeregowe...</translation>
        </message>
    </context>
    <context>
        <name>Common::Communication::NCOMDeviceLoop</name>
        <message>
            <source>Could not open port</source>
            <translation>Nie można otworzyć portu</translation>
        </message>
        <message>
            <source>Could not send command</source>
            <translation>Nie można wysłać komendy</translation>
        </message>
        <message>
            <source>Device did not respond to ReadInfo command</source>
            <translation>Urządzenie nie odpowiedziało na komendę odczytu informacji</translation>
        </message>
        <message>
            <source>No device found</source>
            <translation>Nie znaleziono urządzenia</translation>
        </message>
        <message>
            <source>Stopped</source>
            <translation>Zatrzymano</translation>
        </message>
    </context>
    <context>
        <name>Common::Communication::UnreachableTrProvider</name>
        <message>
            <source>Device not reachable (DHCP device can not reach comp (wrong subnet))</source>
            <translation>Urządzenie nieosiągalne (urządzenie DHCP nie może połączyć się z komputerem (zła podsieć))</translation>
        </message>
        <message>
            <source>Device not reachable (address not obtained from DHCP server)</source>
            <translation>Urządzenie nieosiągalne (nie otrzymano adresu z serwera DHCP)</translation>
        </message>
        <message>
            <source>Device not reachable (address obtained from DHCP not in local subnet)</source>
            <translation>Urządzenie nieosiągalne (adres otrzymany z DHCP spoza podsieci lokalnej)</translation>
        </message>
        <message>
            <source>Device not reachable (address set in device not in local subnet)</source>
            <translation>Urządzenie nieosiągalne (adres ustawiony w urządzeniu spoza podsieci lokalnej)</translation>
        </message>
        <message>
            <source>Device not reachable (device can not reach comp (wrong remote ip setting))</source>
            <translation>Urządzenie nieosiągalne (urządzenie nie może połączyć się z komputerem (złe ustawienie zdalnego IP))</translation>
        </message>
        <message>
            <source>Device not reachable (device can not reach comp (wrong subnet))</source>
            <translation>Urządzenie nieosiągalne (urządzenie nie może połączyć się z komputerem (zła podsieć))</translation>
        </message>
        <message>
            <source>Device not reachable (wrong transport protocol setting)</source>
            <translation>Urządzenie nieosiągalne (złe ustawienie protokołu transportowego)</translation>
        </message>
        <message>
            <source>Unknown reason</source>
            <translation>Nieznana przyczyna</translation>
        </message>
    </context>
    <context>
        <name>SearchSettings</name>
        <message>
            <source>Baud rates to be used during search:</source>
            <translation>Prędkości transmisji używane podczas wyszukiwania:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Network</source>
            <translation>Sieć</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Search modes:</source>
            <translation>Tryby wyszukiwania:</translation>
        </message>
        <message>
            <source>Search settings</source>
            <translation>Ustawienia wyszukiwania</translation>
        </message>
        <message>
            <source>Serial ports</source>
            <translation>Porty szeregowe</translation>
        </message>
    </context>
</TS>
