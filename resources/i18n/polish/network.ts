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
</TS>
