<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::IOTerminalSignalHandler</name>
        <message>
            <source>Could not send terminal command!</source>
            <translation>Nie można wysłać komendy terminala!</translation>
        </message>
    </context>
    <context>
        <name>NFilterDialog</name>
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
    </context>
    <context>
        <name>TabTerminalTrProvider</name>
        <message>
            <source>Auto check connection</source>
            <translation>Automatyczne sprawdzanie połączenia</translation>
        </message>
        <message>
            <source>Clear logs</source>
            <translation>Wyczyść logi</translation>
        </message>
        <message>
            <source>Filter messages</source>
            <translation>Filtruj wiadomości</translation>
        </message>
        <message>
            <source>Format with CRLF</source>
            <translation>Formatuj według CRLF</translation>
        </message>
        <message>
            <source>Hide/Show columns</source>
            <translation>Ukryj/pokaż kolumny</translation>
        </message>
        <message>
            <source>Reverse commands to default</source>
            <translation>Przywróć domyślne komendy</translation>
        </message>
        <message>
            <source>Save messages logs</source>
            <translation>Zapisz logi komunikacji</translation>
        </message>
        <message>
            <source>Save raw logs</source>
            <translation>Zapisz surowe logi</translation>
        </message>
        <message>
            <source>Tab terminal</source>
            <translation>Terminal</translation>
        </message>
    </context>
    <context>
        <name>VornContextMenu</name>
        <message>
            <source>??? Sx3</source>
            <translation>Bieżąca wartość (Sx3)</translation>
        </message>
        <message>
            <source>Context menu</source>
            <translation>Menu kontekstowe</translation>
        </message>
        <message>
            <source>Current prinout (Sx2)</source>
            <translation>Bieżący wydruk (Sx2)</translation>
        </message>
        <message>
            <source>Echo (SJ)</source>
            <translation>Echo (SJ)</translation>
        </message>
        <message>
            <source>Identification data (SW9)</source>
            <translation>Pobierz dane identyfikacyjne (SW9)</translation>
        </message>
        <message>
            <source>Maximum threshhold (SH.)</source>
            <translation>Próg maksymalny (SH.)</translation>
        </message>
        <message>
            <source>Minimum threshhold (SL.)</source>
            <translation>Próg minimalny (SL.)</translation>
        </message>
        <message>
            <source>Result (Sx1)</source>
            <translation>Wynik (Sx1)</translation>
        </message>
        <message>
            <source>Show on device screen (SN..____)</source>
            <translation>Pokaż na ekranie urządzenia (SN..____)</translation>
        </message>
        <message>
            <source>Stable result (SI)</source>
            <translation>Wynik stabilny (SI)</translation>
        </message>
        <message>
            <source>Tare (ST)</source>
            <translation>Tara (ST)</translation>
        </message>
        <message>
            <source>Zero (SZ)</source>
            <translation>Zerowanie (SZ)</translation>
        </message>
        <message>
            <source>Zero threshhold (SM.)</source>
            <translation>Próg zera (SM.)</translation>
        </message>
    </context>
    <context>
        <name>VornCommandWidget</name>
        <message>
            <source>CR/LF</source>
            <translation>CR/LF</translation>
        </message>
    </context>
    <context>
        <name>VornLogViewTrProvider</name>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>IN/OUT</source>
            <translation>WE/WY</translation>
        </message>
        <message>
            <source>Interface</source>
            <translation>Interfejs</translation>
        </message>
        <message>
            <source>Message</source>
            <translation>Wiadomość</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Czas</translation>
        </message>
    </context>
</TS>
