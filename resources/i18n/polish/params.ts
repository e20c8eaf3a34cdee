<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>CTabDryingSettings</name>
        <message>
            <source>Cannot open the file!</source>
            <translation>Nie można otworzyć pliku!</translation>
        </message>
        <message>
            <source>Cannot parse json!</source>
            <translation>Nie można odczytać pliku JSON!</translation>
        </message>
        <message>
            <source>Could not find settings Json object!</source>
            <translation>Nie znaleziono obiektu JSON „Settings”!</translation>
        </message>
        <message>
            <source>Could not parse any setting!</source>
            <translation>Nie udało się odczytać żadnego ustawienia!</translation>
        </message>
        <message>
            <source>Error while saving profiles file!</source>
            <translation>Błąd podczas zapisywania pliku profili!</translation>
        </message>
        <message>
            <source>Failed to update db!</source>
            <translation>Nie udało się zaktualizować bazy danych!</translation>
        </message>
        <message>
            <source>Internal program import error!</source>
            <translation>Wewnętrzny błąd importu programu!</translation>
        </message>
        <message>
            <source>Not all settings were parsed!</source>
            <translation>Nie wszystkie ustawienia zostały odczytane!</translation>
        </message>
        <message>
            <source>Settings Json value is not an object!</source>
            <translation>Wartość JSON „Settings” nie jest obiektem!</translation>
        </message>
        <message>
            <source>Settings that could not be parsed:</source>
            <translation>Ustawienia, których nie udało się odczytać:</translation>
        </message>
        <message>
            <source>There was an error while reading settings from database!</source>
            <translation>Wystąpił błąd podczas odczytu ustawień z bazy danych!</translation>
        </message>
    </context>
    <context>
        <name>CurrentSettingsPanel</name>
        <message>
            <source>Drying profile</source>
            <translation>Profil suszenia</translation>
        </message>
        <message>
            <source>Drying temperature Td [°C]</source>
            <translation>Temperatura suszenia Td [°C]</translation>
        </message>
        <message>
            <source>Drying time [hh:mm:ss]</source>
            <translation>Czas suszenia [hh:mm:ss]</translation>
        </message>
        <message>
            <source>Fast</source>
            <translation>Szybki</translation>
        </message>
        <message>
            <source>Humidity calculation formula</source>
            <translation>Wzór obliczania wilgotności</translation>
        </message>
        <message>
            <source>Samples quantity</source>
            <translation>Liczba próbek</translation>
        </message>
        <message>
            <source>Sampling time [s]</source>
            <translation>Czas próbkowania [s]</translation>
        </message>
        <message>
            <source>Short</source>
            <translation>Tryb krótki</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>Łagodny</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>Standardowy</translation>
        </message>
        <message>
            <source>Step</source>
            <translation>Schodkowy</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Czasowy</translation>
        </message>
        <message>
            <source>Work mode</source>
            <translation>Tryb pracy</translation>
        </message>
    </context>
    <context>
        <name>FastProfile</name>
        <message>
            <source>Temperature T1</source>
            <translation>Temperatura T1</translation>
        </message>
        <message>
            <source>Time t1 [mm:ss]</source>
            <translation>Czas t1 [mm:ss]</translation>
        </message>
    </context>
    <context>
        <name>KD::CouldNotLoadFromDbMessageBox</name>
        <message>
            <source>Could not load setting from database!</source>
            <translation>Nie udało się wczytać ustawienia z bazy danych!</translation>
        </message>
    </context>
    <context>
        <name>SettingsTrProvider</name>
        <message>
            <source>Fast</source>
            <translation>Szybki</translation>
        </message>
        <message>
            <source>Short</source>
            <translation>Tryb krótki</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>Łagodny</translation>
        </message>
        <message>
            <source>Spec</source>
            <translation>Specjalny</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>Standardowy</translation>
        </message>
        <message>
            <source>Step</source>
            <translation>Schodkowy</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Czasowy</translation>
        </message>
    </context>
    <context>
        <name>SlowProfile</name>
        <message>
            <source>Time t1</source>
            <translation>Czas t1</translation>
        </message>
    </context>
    <context>
        <name>StepProfile</name>
        <message>
            <source>Temperature T1</source>
            <translation>Temperatura T1</translation>
        </message>
        <message>
            <source>Temperature T2</source>
            <translation>Temperatura T2</translation>
        </message>
        <message>
            <source>Time t1 [mm:ss]</source>
            <translation>Czas t1 [mm:ss]</translation>
        </message>
        <message>
            <source>Time t2 [mm:ss]</source>
            <translation>Czas t2 [mm:ss]</translation>
        </message>
    </context>
</TS>
