<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>AbstractFilter</name>
        <message>
            <source>Form</source>
            <translation>Formularz</translation>
        </message>
    </context>
    <context>
        <name>CTabDryingSettings</name>
        <message>
            <source>An error ocurred during database operation!</source>
            <translation>Wystąpił błąd podczas operacji na bazie danych!</translation>
        </message>
        <message>
            <source>Are you sure you want to delete this row?</source>
            <translation>Czy na pewno chcesz usunąć ten wiersz?</translation>
        </message>
        <message>
            <source>Cannot save settings when another operation or drying process is in progress!</source>
            <translation>Nie można zapisać ustawień, gdy trwa inna operacja lub proces suszenia!</translation>
        </message>
        <message>
            <source>Copied from device</source>
            <translation>Skopiowane z urządzenia</translation>
        </message>
        <message>
            <source>Could not load setting from database!</source>
            <translation>Nie udało się wczytać ustawienia z bazy danych!</translation>
        </message>
        <message>
            <source>Database row with this name already exists. Override it with current values?</source>
            <translation>Wiersz bazy danych o tej nazwie już istnieje. Zastąpić go bieżącymi wartościami?</translation>
        </message>
        <message>
            <source>Delete from DB</source>
            <translation>Usuń z bazy</translation>
        </message>
        <message>
            <source>Device:</source>
            <translation>Urządzenie:</translation>
        </message>
        <message>
            <source>Drying profile</source>
            <translation>Profil suszenia</translation>
        </message>
        <message>
            <source>Drying temperature</source>
            <translation>Temperatura suszenia</translation>
        </message>
        <message>
            <source>Drying time</source>
            <translation>Czas suszenia</translation>
        </message>
        <message>
            <source>Export profile from device to workspace</source>
            <translation>Przenieś profil z urządzenia do obszaru roboczego</translation>
        </message>
        <message>
            <source>Export profile from workspace to device</source>
            <translation>Przenieś profil z obszaru roboczego do urządzenia</translation>
        </message>
        <message>
            <source>Form</source>
            <translation>Formularz</translation>
        </message>
        <message>
            <source>Humidity formula</source>
            <translation>Wzór wilgotności</translation>
        </message>
        <message>
            <source>Last modified</source>
            <translation>Ostatnia zmiana</translation>
        </message>
        <message>
            <source>Load from DB</source>
            <translation>Wczytaj z bazy</translation>
        </message>
        <message>
            <source>Memory slot                        </source>
            <translation>Komórka pamięci                        </translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nazwa</translation>
        </message>
        <message>
            <source>New sheet</source>
            <translation>Nowy arkusz</translation>
        </message>
        <message>
            <source>Samples quantity</source>
            <translation>Liczba próbek</translation>
        </message>
        <message>
            <source>Sampling time</source>
            <translation>Czas próbkowania</translation>
        </message>
        <message>
            <source>Save to DB</source>
            <translation>Zapisz w bazie</translation>
        </message>
        <message>
            <source>Sheet name</source>
            <translation>Nazwa arkusza</translation>
        </message>
        <message>
            <source>Work Mode</source>
            <translation>Tryb pracy</translation>
        </message>
        <message>
            <source>Working area:</source>
            <translation>Obszar roboczy:</translation>
        </message>
    </context>
    <context>
        <name>DryingSettingsTrProvider</name>
        <message>
            <source>DryingProf</source>
            <translation>Profil suszenia</translation>
        </message>
        <message>
            <source>DryingTime</source>
            <translation>Czas suszenia</translation>
        </message>
        <message>
            <source>Filter messages</source>
            <translation>Filtruj wiersze</translation>
        </message>
        <message>
            <source>Formula</source>
            <translation>Wzór</translation>
        </message>
        <message>
            <source>Hide/Show collumns</source>
            <translation>Ukryj/pokaż kolumny</translation>
        </message>
        <message>
            <source>LastModified</source>
            <translation>Ostatnia zmiana</translation>
        </message>
        <message>
            <source>Load data from file</source>
            <translation>Wczytaj dane z pliku</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>Tryb</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nazwa</translation>
        </message>
        <message>
            <source>SamplesQnt</source>
            <translation>Liczba próbek</translation>
        </message>
        <message>
            <source>SamplesTime</source>
            <translation>Czas próbkowania</translation>
        </message>
        <message>
            <source>Save data to file</source>
            <translation>Zapisz dane do pliku</translation>
        </message>
        <message>
            <source>Tab drying settings</source>
            <translation>Ustawienia suszenia</translation>
        </message>
        <message>
            <source>Temperature</source>
            <translation>Temperatura</translation>
        </message>
    </context>
    <context>
        <name>FilterDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Choose columns to filter</source>
            <translation>Wybierz kolumny do filtrowania</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Form</source>
            <translation>Formularz</translation>
        </message>
    </context>
    <context>
        <name>FiltersTrProvider</name>
        <message>
            <source>Between</source>
            <translation>Pomiędzy</translation>
        </message>
        <message>
            <source>Contains</source>
            <translation>Zawiera</translation>
        </message>
        <message>
            <source>Earlier than</source>
            <translation>Wcześniej niż</translation>
        </message>
        <message>
            <source>Ends with</source>
            <translation>Kończy się na</translation>
        </message>
        <message>
            <source>Equal</source>
            <translation>Równe</translation>
        </message>
        <message>
            <source>Greater than</source>
            <translation>Większe niż</translation>
        </message>
        <message>
            <source>IN</source>
            <translation>WE</translation>
        </message>
        <message>
            <source>IN/OUT</source>
            <translation>WE/WY</translation>
        </message>
        <message>
            <source>Later than</source>
            <translation>Później niż</translation>
        </message>
        <message>
            <source>Lower than</source>
            <translation>Mniejsze niż</translation>
        </message>
        <message>
            <source>OUT</source>
            <translation>WY</translation>
        </message>
        <message>
            <source>Starts with</source>
            <translation>Zaczyna się od</translation>
        </message>
    </context>
</TS>
