<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>KD::Drying::TdLiveRunGuard</name>
        <message>
            <source>The data cannot be cleared or loaded while a drying run is in progress!</source>
            <translation>Nie można wyczyścić ani wczytać danych w trakcie suszenia!</translation>
        </message>
    </context>
    <context>
        <name>KD::LabelsTrProvider</name>
        <message>
            <source>Dry mass [%]</source>
            <translation>Sucha masa [%]</translation>
        </message>
        <message>
            <source>Humidity [%]</source>
            <translation>Wilgotność [%]</translation>
        </message>
        <message>
            <source>Mass [g]</source>
            <translation>Masa [g]</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Czas</translation>
        </message>
    </context>
    <context>
        <name>KD::TdSourceLabelHandler</name>
        <message>
            <source>Loaded from database</source>
            <translation>Załadowano z bazy danych</translation>
        </message>
        <message>
            <source>Loaded from slot</source>
            <translation>Załadowano ze slotu</translation>
        </message>
        <message>
            <source>Loading from database</source>
            <translation>Ładowanie z bazy danych</translation>
        </message>
        <message>
            <source>Loading from slot</source>
            <translation>Ładowanie ze slotu</translation>
        </message>
    </context>
    <context>
        <name>StartFromDeviceWidget</name>
        <message>
            <source>(Menu button -&gt; Drying options -&gt; Transmission -&gt; Status: ON)</source>
            <translation>(Przycisk Menu -&gt; Ustawienia wagosuszarki -&gt; Transmisja -&gt; Status: ON)</translation>
        </message>
        <message>
            <source>If there is any captured data, it will be erased!</source>
            <translation>Dane z poprzednich pomiarów zostaną usunięte!</translation>
        </message>
        <message>
            <source>Log start from device</source>
            <translation>Akceptuj start z urządzenia</translation>
        </message>
        <message>
            <source>The device needs to have the transmition setting turned on, otherwise the program will be unable to detect such start!</source>
            <translation>Urządzenie musi mieć włączonyą opcję transmisji, w przeciwnym wypadku program nie będzie w stanie wykryć takiego startu!</translation>
        </message>
        <message>
            <source>When the box above is checked, the program will capture the logs when drying process is started from the device (start button).</source>
            <translation>Gdy powyższe pole jest zaznaczone, program będzie przechwytywał logi suszenia, jeżeli zostało ono wystartowane z urządzenia (przysikiem start).</translation>
        </message>
    </context>
    <context>
        <name>TabDryer</name>
        <message>
            <source>Calculation formula</source>
            <translation>Wzór liczenia wilgotności</translation>
        </message>
        <message>
            <source>Device:</source>
            <translation>Urządzenie:</translation>
        </message>
        <message>
            <source>From db</source>
            <translation>Z bazy danych</translation>
        </message>
        <message>
            <source>From device</source>
            <translation>Z urządzenia</translation>
        </message>
        <message>
            <source>Load setting</source>
            <translation>Załaduj ustawienie</translation>
        </message>
        <message>
            <source>Loading will override device current settings!</source>
            <translation>Ładowanie nadpisze obecne nastawy urządzenia!</translation>
        </message>
        <message>
            <source>Measurements</source>
            <translation>Dane pomiaru</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nazwa</translation>
        </message>
        <message>
            <source>Slot</source>
            <translation>Slot</translation>
        </message>
        <message>
            <source>Start analysis</source>
            <translation>Rozpocznij badanie</translation>
        </message>
        <message>
            <source>Stop analysis</source>
            <translation>Przerwij badanie</translation>
        </message>
        <message>
            <source>Warning!</source>
            <translation>Uwaga!</translation>
        </message>
    </context>
    <context>
        <name>TabDryerTrProvider</name>
        <message>
            <source>Clear data</source>
            <translation>Wyczyść dane</translation>
        </message>
        <message>
            <source>Generate PDF report</source>
            <translation>Wygeneruj raport PDF</translation>
        </message>
        <message>
            <source>Load data from file</source>
            <translation>Załaduj dane z pliku</translation>
        </message>
        <message>
            <source>Measurement settings</source>
            <translation>Ustawienia pomiaru</translation>
        </message>
        <message>
            <source>Save data to file</source>
            <translation>Zapisz dane do pliku</translation>
        </message>
        <message>
            <source>Tab drying</source>
            <translation>Statystyka suszeń</translation>
        </message>
    </context>
</TS>
