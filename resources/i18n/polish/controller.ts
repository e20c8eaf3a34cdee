<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>KD::Communication::ErrorToStr</name>
        <message>
            <source>An error ocurred!</source>
            <translation>Wystąpił błąd!</translation>
        </message>
        <message>
            <source>Command description: </source>
            <translation>Opis polecenia: </translation>
        </message>
        <message>
            <source>Drying process start</source>
            <translation>Rozpoczęcie procesu suszenia</translation>
        </message>
        <message>
            <source>Drying process stop</source>
            <translation>Zatrzymanie procesu suszenia</translation>
        </message>
        <message>
            <source>Failed command: </source>
            <translation>Nieudane polecenie: </translation>
        </message>
        <message>
            <source>Mass is too small. Cannot start drying.</source>
            <translation>Masa jest zbyt mała. Nie można rozpocząć suszenia.</translation>
        </message>
        <message>
            <source>Moving settings from slot</source>
            <translation>Przenoszenie ustawień z komórki pamięci</translation>
        </message>
        <message>
            <source>Moving settings to slot</source>
            <translation>Przenoszenie ustawień do komórki pamięci</translation>
        </message>
        <message>
            <source>Operation</source>
            <translation>Operacja</translation>
        </message>
        <message>
            <source>Reading current settings</source>
            <translation>Odczyt bieżących ustawień</translation>
        </message>
        <message>
            <source>Reading from slot</source>
            <translation>Odczyt z komórki pamięci</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Przyczyna:</translation>
        </message>
        <message>
            <source>Step:</source>
            <translation>Krok:</translation>
        </message>
        <message>
            <source>Writing current settings</source>
            <translation>Zapis bieżących ustawień</translation>
        </message>
        <message>
            <source>Writing to slot</source>
            <translation>Zapis do komórki pamięci</translation>
        </message>
    </context>
    <context>
        <name>KD::DryingMessagesHandler</name>
        <message>
            <source>Currently run operation was aborted!</source>
            <translation>Bieżąca operacja została przerwana!</translation>
        </message>
        <message>
            <source>Detected a request to start drying while another operation was in progress!</source>
            <translation>Wykryto żądanie rozpoczęcia suszenia w trakcie innej operacji!</translation>
        </message>
        <message>
            <source>Device started drying process externally (not from this program).&lt;br&gt;Data from previous drying (if present) will be preserved.</source>
            <translation>Urządzenie rozpoczęło suszenie samodzielnie (nie z tego programu).&lt;br&gt;Dane z poprzedniego suszenia (jeśli są) zostaną zachowane.</translation>
        </message>
        <message>
            <source>Drying process ended!</source>
            <translation>Proces suszenia zakończony!</translation>
        </message>
        <message>
            <source>Drying process started with settings present on device. Settings present in program may differ from device settings.</source>
            <translation>Proces suszenia rozpoczęto z ustawieniami zapisanymi w urządzeniu. Ustawienia w programie mogą się różnić od ustawień urządzenia.</translation>
        </message>
        <message>
            <source>Drying process was not started - mass is too small.</source>
            <translation>Proces suszenia nie został rozpoczęty - masa jest zbyt mała.</translation>
        </message>
    </context>
    <context>
        <name>KD::HLDryerController</name>
        <message>
            <source> (external start)</source>
            <translation> (start z urządzenia)</translation>
        </message>
    </context>
    <context>
        <name>KD::StatesTrProvider</name>
        <message>
            <source>Copying current to slot</source>
            <translation>Kopiowanie bieżących ustawień do komórki pamięci</translation>
        </message>
        <message>
            <source>Copying slot to current</source>
            <translation>Kopiowanie komórki pamięci do bieżących ustawień</translation>
        </message>
        <message>
            <source>Moving from slot</source>
            <translation>Przenoszenie z komórki pamięci</translation>
        </message>
        <message>
            <source>Reading current</source>
            <translation>Odczyt bieżących ustawień</translation>
        </message>
        <message>
            <source>Reading desired setting</source>
            <translation>Odczyt żądanych ustawień</translation>
        </message>
        <message>
            <source>Reading from slot</source>
            <translation>Odczyt z komórki pamięci</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>Gotowy</translation>
        </message>
        <message>
            <source>Running</source>
            <translation>Suszenie w toku</translation>
        </message>
        <message>
            <source>Starting</source>
            <translation>Uruchamianie</translation>
        </message>
        <message>
            <source>Stopping</source>
            <translation>Zatrzymywanie</translation>
        </message>
        <message>
            <source>Uploading firmware</source>
            <translation>Wgrywanie oprogramowania</translation>
        </message>
        <message>
            <source>Writing initial</source>
            <translation>Przywracanie początkowych ustawień</translation>
        </message>
        <message>
            <source>Writing to current</source>
            <translation>Zapis bieżących ustawień</translation>
        </message>
        <message>
            <source>Writing to slot</source>
            <translation>Zapis do komórki pamięci</translation>
        </message>
    </context>
</TS>
