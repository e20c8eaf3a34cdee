<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::Communication::ModuleSearch</name>
        <message>
            <source>Now broadcasting 'Echo command'</source>
            <translation>Trwa rozgłaszanie 'polecenia Echo'</translation>
        </message>
    </context>
    <context>
        <name>Common::Communication::NetworkSearch</name>
        <message>
            <source>Checking direct connection: %1</source>
            <translation>Sprawdzanie połączenia bezpośredniego: %1</translation>
        </message>
        <message>
            <source>Searching via network...</source>
            <translation>Wyszukiwanie przez sieć...</translation>
        </message>
        <message>
            <source>Sending broadcast...</source>
            <translation>Wysyłanie rozgłoszenia...</translation>
        </message>
        <message>
            <source>Stopping network search...</source>
            <translation>Zatrzymywanie wyszukiwania sieciowego...</translation>
        </message>
        <message>
            <source>Waiting for unfinished network tasks.</source>
            <translation>Oczekiwanie na niezakończone zadania sieciowe.</translation>
        </message>
        <message>
            <source>could not open interface!</source>
            <translation>nie można otworzyć interfejsu!</translation>
        </message>
        <message>
            <source>does not respond</source>
            <translation>nie odpowiada</translation>
        </message>
        <message>
            <source>does not respond to read info</source>
            <translation>nie odpowiada na odczyt informacji</translation>
        </message>
        <message>
            <source>failed to send command!</source>
            <translation>nie udało się wysłać polecenia!</translation>
        </message>
    </context>
    <context>
        <name>Common::Communication::NetworkSettingsChanger</name>
        <message>
            <source>Changing device's network settings</source>
            <translation>Zmiana ustawień sieciowych urządzenia</translation>
        </message>
        <message>
            <source>Command failed</source>
            <translation>Polecenie nie powiodło się</translation>
        </message>
        <message>
            <source>Command timed out</source>
            <translation>Przekroczono czas oczekiwania na polecenie</translation>
        </message>
        <message>
            <source>Could not read info after setting change</source>
            <translation>Nie można odczytać informacji po zmianie ustawień</translation>
        </message>
        <message>
            <source>Device settings are different from desired ones and make device unreachable.</source>
            <translation>Ustawienia urządzenia różnią się od żądanych i czynią urządzenie nieosiągalnym.</translation>
        </message>
        <message>
            <source>Device settings are different from desired ones, connected successfully using them.</source>
            <translation>Ustawienia urządzenia różnią się od żądanych; połączono z ich użyciem.</translation>
        </message>
        <message>
            <source>Failed to change settings, connected successfully using old settings.</source>
            <translation>Nie udało się zmienić ustawień; połączono z użyciem starych ustawień.</translation>
        </message>
        <message>
            <source>Failed to change settings, current settings make the device not reachable - no connection</source>
            <translation>Nie udało się zmienić ustawień, obecne ustawienia czynią urządzenie nieosiągalnym - brak połączenia</translation>
        </message>
        <message>
            <source>Failed to connect.</source>
            <translation>Nie udało się połączyć.</translation>
        </message>
        <message>
            <source>New settings do not match desired ones</source>
            <translation>Nowe ustawienia nie zgadzają się z żądanymi</translation>
        </message>
        <message>
            <source>Settings changed successfully, and connected successfully.</source>
            <translation>Ustawienia zmieniono pomyślnie i pomyślnie połączono.</translation>
        </message>
        <message>
            <source>Settings changed successfully. New settings make the device not reachable - no connection.</source>
            <translation>Ustawienia zmieniono pomyślnie. Nowe ustawienia czynią urządzenie nieosiągalnym - brak połączenia.</translation>
        </message>
        <message>
            <source>Trying to connect to the device with new settings</source>
            <translation>Próba połączenia z urządzeniem z nowymi ustawieniami</translation>
        </message>
        <message>
            <source>Trying to connect to the device with old settings</source>
            <translation>Próba połączenia z urządzeniem ze starymi ustawieniami</translation>
        </message>
        <message>
            <source>Trying to connect to the device with settings read from device</source>
            <translation>Próba połączenia z urządzeniem z ustawieniami odczytanymi z urządzenia</translation>
        </message>
        <message>
            <source>Work in progress, please wait...</source>
            <translation>Trwa praca, proszę czekać...</translation>
        </message>
    </context>
</TS>
