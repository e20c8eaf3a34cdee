<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::ContextSetupTrProvider</name>
        <message>
            <source>Parameter</source>
            <translation>Parametr</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Wartość</translation>
        </message>
    </context>
    <context>
        <name>Common::UI::ContextSetup</name>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Zatwierdź</translation>
        </message>
    </context>
    <context>
        <name>KD::Drying::RunContext::ContextSettingsTrProvider</name>
        <message>
            <source>Author</source>
            <translation>Autor</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Dane</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>End time</source>
            <translation>Czas zakończenia</translation>
        </message>
        <message>
            <source>Final mass</source>
            <translation>Masa końcowa</translation>
        </message>
        <message>
            <source>Footer</source>
            <translation>Stopka</translation>
        </message>
        <message>
            <source>Formula</source>
            <translation>Wzór</translation>
        </message>
        <message>
            <source>Header</source>
            <translation>Nagłówek</translation>
        </message>
        <message>
            <source>Initial mass</source>
            <translation>Masa początkowa</translation>
        </message>
        <message>
            <source>Introduction</source>
            <translation>Wstęp</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Wykres</translation>
        </message>
        <message>
            <source>Product</source>
            <translation>Produkt</translation>
        </message>
        <message>
            <source>Samples count</source>
            <translation>Liczba próbek</translation>
        </message>
        <message>
            <source>Start time</source>
            <translation>Czas rozpoczęcia</translation>
        </message>
        <message>
            <source>Summary</source>
            <translation>Podsumowanie</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Godzina</translation>
        </message>
        <message>
            <source>Title</source>
            <translation>Tytuł</translation>
        </message>
    </context>
</TS>
