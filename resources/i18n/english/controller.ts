<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>KD::Communication::ErrorToStr</name>
        <message>
            <source>An error ocurred!</source>
            <translation>An error ocurred!</translation>
        </message>
        <message>
            <source>Command description: </source>
            <translation>Command description: </translation>
        </message>
        <message>
            <source>Drying process start</source>
            <translation>Drying process start</translation>
        </message>
        <message>
            <source>Drying process stop</source>
            <translation>Drying process stop</translation>
        </message>
        <message>
            <source>Failed command: </source>
            <translation>Failed command: </translation>
        </message>
        <message>
            <source>Mass is too small. Cannot start drying.</source>
            <translation>Mass is too small. Cannot start drying.</translation>
        </message>
        <message>
            <source>Moving settings from slot</source>
            <translation>Moving settings from slot</translation>
        </message>
        <message>
            <source>Moving settings to slot</source>
            <translation>Moving settings to slot</translation>
        </message>
        <message>
            <source>Operation</source>
            <translation>Operation</translation>
        </message>
        <message>
            <source>Reading current settings</source>
            <translation>Reading current settings</translation>
        </message>
        <message>
            <source>Reading from slot</source>
            <translation>Reading from slot</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Reason:</translation>
        </message>
        <message>
            <source>Step:</source>
            <translation>Step:</translation>
        </message>
        <message>
            <source>Writing current settings</source>
            <translation>Writing current settings</translation>
        </message>
        <message>
            <source>Writing to slot</source>
            <translation>Writing to slot</translation>
        </message>
    </context>
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
        <name>KD::HLDryerController</name>
        <message>
            <source> (external start)</source>
            <translation> (external start)</translation>
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
