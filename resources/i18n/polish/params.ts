<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
