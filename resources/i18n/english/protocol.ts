<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>KD::CommandsDescProvider</name>
        <message>
            <source>Echo</source>
            <translation>Echo command</translation>
        </message>
        <message>
            <source>Get device info</source>
            <translation>Get device info</translation>
        </message>
        <message>
            <source>Load drying profile</source>
            <translation>Load drying profile</translation>
        </message>
        <message>
            <source>Load drying time</source>
            <translation>Load drying time</translation>
        </message>
        <message>
            <source>Load fast profile parameter: temperature</source>
            <translation>Load fast profile parameter: temperature</translation>
        </message>
        <message>
            <source>Load fast profile parameter: time</source>
            <translation>Load fast profile parameter: time</translation>
        </message>
        <message>
            <source>Load humidity calculation formula</source>
            <translation>Load humidity calculation formula</translation>
        </message>
        <message>
            <source>Load main temperature</source>
            <translation>Load main temperature</translation>
        </message>
        <message>
            <source>Load qualifying samples count</source>
            <translation>Load qualifying samples count</translation>
        </message>
        <message>
            <source>Load sampling time</source>
            <translation>Load sampling time</translation>
        </message>
        <message>
            <source>Load slow profile parameter: drying time</source>
            <translation>Load slow profile parameter: drying time</translation>
        </message>
        <message>
            <source>Load step profile parameter: step 1 temperature</source>
            <translation>Load step profile parameter: step 1 temperature</translation>
        </message>
        <message>
            <source>Load step profile parameter: step 1 time</source>
            <translation>Load step profile parameter: step 1 time</translation>
        </message>
        <message>
            <source>Load step profile parameter: step 2 temperature</source>
            <translation>Load step profile parameter: step 2 temperature</translation>
        </message>
        <message>
            <source>Load step profile parameter: step 2 time</source>
            <translation>Load step profile parameter: step 2 time</translation>
        </message>
        <message>
            <source>Load work mode</source>
            <translation>Load work mode</translation>
        </message>
        <message>
            <source>Read from memory slot</source>
            <translation>Read from memory slot</translation>
        </message>
        <message>
            <source>Set drying profile</source>
            <translation>Set drying profile</translation>
        </message>
        <message>
            <source>Set drying time</source>
            <translation>Set drying time</translation>
        </message>
        <message>
            <source>Set fast profile parameter: temperature</source>
            <translation>Set fast profile parameter: temperature</translation>
        </message>
        <message>
            <source>Set fast profile parameter: time</source>
            <translation>Set fast profile parameter: time</translation>
        </message>
        <message>
            <source>Set humidity calculation formula</source>
            <translation>Set humidity calculation formula</translation>
        </message>
        <message>
            <source>Set main temperature</source>
            <translation>Set main temperature</translation>
        </message>
        <message>
            <source>Set qualifying samples count</source>
            <translation>Set qualifying samples count</translation>
        </message>
        <message>
            <source>Set sampling time</source>
            <translation>Set sampling time</translation>
        </message>
        <message>
            <source>Set slow profile parameter: drying time</source>
            <translation>Set slow profile parameter: drying time</translation>
        </message>
        <message>
            <source>Set step profile parameter: step 1 temperature</source>
            <translation>Set step profile parameter: step 1 temperature</translation>
        </message>
        <message>
            <source>Set step profile parameter: step 1 time</source>
            <translation>Set step profile parameter: step 1 time</translation>
        </message>
        <message>
            <source>Set step profile parameter: step 2 temperature</source>
            <translation>Set step profile parameter: step 2 temperature</translation>
        </message>
        <message>
            <source>Set step profile parameter: step 2 time</source>
            <translation>Set step profile parameter: step 2 time</translation>
        </message>
        <message>
            <source>Set work mode</source>
            <translation>Set work mode</translation>
        </message>
        <message>
            <source>Start drying</source>
            <translation>Start drying command</translation>
        </message>
        <message>
            <source>Stop drying</source>
            <translation>Stop drying command</translation>
        </message>
        <message>
            <source>Write to memory slot</source>
            <translation>Write to memory slot</translation>
        </message>
    </context>
</TS>
