<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>KD::DryingMessagesHandler</name>
        <message>
            <source>Currently run operation was aborted!</source>
            <translation>Currently run operation was aborted!</translation>
        </message>
        <message>
            <source>Detected a request to start drying while another operation was in progress!</source>
            <translation>Detected a request to start drying while another operation was in progress!</translation>
        </message>
        <message>
            <source>Device started drying process externally (not from this program).&lt;br&gt;Data from previous drying (if present) will be preserved.</source>
            <translation>Device started drying process externally (not from this program).&lt;br&gt;Data from previous drying (if present) will be preserved.</translation>
        </message>
        <message>
            <source>Drying process ended!</source>
            <translation>Drying process ended!</translation>
        </message>
        <message>
            <source>Drying process started with settings present on device. Settings present in program may differ from device settings.</source>
            <translation>Drying process started with settings present on device. Settings present in program may differ from device settings.</translation>
        </message>
        <message>
            <source>Drying process was not started - mass is too small.</source>
            <translation>Drying process was not started - mass is too small.</translation>
        </message>
    </context>
    <context>
        <name>KD::StatesTrProvider</name>
        <message>
            <source>Copying current to slot</source>
            <translation>Copying current to slot</translation>
        </message>
        <message>
            <source>Copying slot to current</source>
            <translation>Copying slot to current</translation>
        </message>
        <message>
            <source>Moving from slot</source>
            <translation>Moving from slot</translation>
        </message>
        <message>
            <source>Reading current</source>
            <translation>Reading Current</translation>
        </message>
        <message>
            <source>Reading desired setting</source>
            <translation>Reading desired setting</translation>
        </message>
        <message>
            <source>Reading from slot</source>
            <translation>Reading from slot</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>Ready</translation>
        </message>
        <message>
            <source>Running</source>
            <translation>Running</translation>
        </message>
        <message>
            <source>Starting</source>
            <translation>Running</translation>
        </message>
        <message>
            <source>Stopping</source>
            <translation>Stopping</translation>
        </message>
        <message>
            <source>Uploading firmware</source>
            <translation>Uploading firmware</translation>
        </message>
        <message>
            <source>Writing initial</source>
            <translation>Writing initial</translation>
        </message>
        <message>
            <source>Writing to current</source>
            <translation>Writing current settings</translation>
        </message>
        <message>
            <source>Writing to slot</source>
            <translation>Writing to slot</translation>
        </message>
    </context>
</TS>
