<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::VornModel::NVornHotkeyItem</name>
        <message>
            <source>Not bound</source>
            <translation>Nie przypisano</translation>
        </message>
        <message>
            <source>Press key</source>
            <translation>Naciśnij klawisz</translation>
        </message>
    </context>
    <context>
        <name>DateDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Dzisiaj</translation>
        </message>
    </context>
    <context>
        <name>ExtendedLineDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Edit value</source>
            <translation>Edytuj wartość</translation>
        </message>
    </context>
    <context>
        <name>HotKeyButton</name>
        <message>
            <source>Unbind</source>
            <translation>Usuń skrót</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Not specified</source>
            <translation>Nie określono</translation>
        </message>
    </context>
    <context>
        <name>TimeComboBoxDialog</name>
        <message>
            <source>AM</source>
            <translation>AM</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Zatwierdź</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Godzina</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minuta</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>Teraz</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>PM</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Sekunda</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Czas</translation>
        </message>
    </context>
</TS>
