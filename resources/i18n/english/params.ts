<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>CTabDryingSettings</name>
        <message>
            <source>Cannot open the file!</source>
            <translation>Cannot open the file!</translation>
        </message>
        <message>
            <source>Cannot parse json!</source>
            <translation>Cannot parse json!</translation>
        </message>
        <message>
            <source>Could not find settings Json object!</source>
            <translation>Could not find 'Settings' Json object!</translation>
        </message>
        <message>
            <source>Could not parse any setting!</source>
            <translation>Could not parse any setting!</translation>
        </message>
        <message>
            <source>Error while saving profiles file!</source>
            <translation>Error while saving profiles file!</translation>
        </message>
        <message>
            <source>Failed to update db!</source>
            <translation>Failed to update db!</translation>
        </message>
        <message>
            <source>Internal program import error!</source>
            <translation>Internal program import error!</translation>
        </message>
        <message>
            <source>Not all settings were parsed!</source>
            <translation>Not all settings were parsed!</translation>
        </message>
        <message>
            <source>Settings Json value is not an object!</source>
            <translation>Settings Json value is not an object!</translation>
        </message>
        <message>
            <source>Settings that could not be parsed:</source>
            <translation>Settings that could not be parsed:</translation>
        </message>
        <message>
            <source>There was an error while reading settings from database!</source>
            <translation>There was an error while reading settings from database!</translation>
        </message>
    </context>
    <context>
        <name>CurrentSettingsPanel</name>
        <message>
            <source>Drying profile</source>
            <translation>Drying profile</translation>
        </message>
        <message>
            <source>Drying temperature Td [°C]</source>
            <translation>Drying temperature Td [°C]</translation>
        </message>
        <message>
            <source>Drying time [hh:mm:ss]</source>
            <translation>Drying time [hh:mm:ss]</translation>
        </message>
        <message>
            <source>Fast</source>
            <translation>Fast</translation>
        </message>
        <message>
            <source>Humidity calculation formula</source>
            <translation>Humidity calculation formula</translation>
        </message>
        <message>
            <source>Samples quantity</source>
            <translation>Samples quantity</translation>
        </message>
        <message>
            <source>Sampling time [s]</source>
            <translation>Sampling time [s]</translation>
        </message>
        <message>
            <source>Short</source>
            <translation>Short mode</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>Slow</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>Standard</translation>
        </message>
        <message>
            <source>Step</source>
            <translation>Step</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Work mode</source>
            <translation>Work mode</translation>
        </message>
    </context>
    <context>
        <name>FastProfile</name>
        <message>
            <source>Temperature T1</source>
            <translation>Temperature T1</translation>
        </message>
        <message>
            <source>Time t1 [mm:ss]</source>
            <translation>Time t1 [mm:ss]</translation>
        </message>
    </context>
    <context>
        <name>KD::CouldNotLoadFromDbMessageBox</name>
        <message>
            <source>Could not load setting from database!</source>
            <translation>Could not load setting from database!</translation>
        </message>
    </context>
    <context>
        <name>SettingsTrProvider</name>
        <message>
            <source>Fast</source>
            <translation>Fast</translation>
        </message>
        <message>
            <source>Short</source>
            <translation>Short mode</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>Slow</translation>
        </message>
        <message>
            <source>Spec</source>
            <translation>Spec</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>Standard</translation>
        </message>
        <message>
            <source>Step</source>
            <translation>Step</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
    </context>
    <context>
        <name>SlowProfile</name>
        <message>
            <source>Time t1</source>
            <translation>Time t1</translation>
        </message>
    </context>
    <context>
        <name>StepProfile</name>
        <message>
            <source>Temperature T1</source>
            <translation>Temperature T1</translation>
        </message>
        <message>
            <source>Temperature T2</source>
            <translation>Temperature T2</translation>
        </message>
        <message>
            <source>Time t1 [mm:ss]</source>
            <translation>Time t1 [mm:ss]</translation>
        </message>
        <message>
            <source>Time t2 [mm:ss]</source>
            <translation>Time t2 [mm:ss]</translation>
        </message>
    </context>
</TS>
