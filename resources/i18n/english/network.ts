<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>Common::Communication::ModuleSearch</name>
        <message>
            <source>Now broadcasting 'Echo command'</source>
            <translation>Now broadcasting 'Echo command'</translation>
        </message>
    </context>
    <context>
        <name>Common::Communication::NetworkSearch</name>
        <message>
            <source>Checking direct connection: %1</source>
            <translation>Checking direct connection: %1</translation>
        </message>
        <message>
            <source>Searching via network...</source>
            <translation>Searching via network...</translation>
        </message>
        <message>
            <source>Sending broadcast...</source>
            <translation>Sending broadcast...</translation>
        </message>
        <message>
            <source>Stopping network search...</source>
            <translation>Stopping network search...</translation>
        </message>
        <message>
            <source>Waiting for unfinished network tasks.</source>
            <translation>Waiting for unfinished network tasks.</translation>
        </message>
        <message>
            <source>could not open interface!</source>
            <translation>could not open interface!</translation>
        </message>
        <message>
            <source>does not respond</source>
            <translation>does not respond</translation>
        </message>
        <message>
            <source>does not respond to read info</source>
            <translation>does not respond to read info</translation>
        </message>
        <message>
            <source>failed to send command!</source>
            <translation>failed to send command!</translation>
        </message>
    </context>
    <context>
        <name>Common::Communication::NetworkSettingsChanger</name>
        <message>
            <source>Changing device's network settings</source>
            <translation>Changing device's network settings</translation>
        </message>
        <message>
            <source>Command failed</source>
            <translation>Command failed</translation>
        </message>
        <message>
            <source>Command timed out</source>
            <translation>Command timed out</translation>
        </message>
        <message>
            <source>Could not read info after setting change</source>
            <translation>Could not read info after setting change</translation>
        </message>
        <message>
            <source>Device settings are different from desired ones and make device unreachable.</source>
            <translation>Device settings are different from desired ones and make device unreachable.</translation>
        </message>
        <message>
            <source>Device settings are different from desired ones, connected successfully using them.</source>
            <translation>Device settings are different from desired ones, connected successfully using them.</translation>
        </message>
        <message>
            <source>Failed to change settings, connected successfully using old settings.</source>
            <translation>Failed to change settings, connected successfully using old settings.</translation>
        </message>
        <message>
            <source>Failed to change settings, current settings make the device not reachable - no connection</source>
            <translation>Failed to change settings, current settings make the device not reachable - no connection</translation>
        </message>
        <message>
            <source>Failed to connect.</source>
            <translation>Failed to connect.</translation>
        </message>
        <message>
            <source>New settings do not match desired ones</source>
            <translation>New settings do not match desired ones</translation>
        </message>
        <message>
            <source>Settings changed successfully, and connected successfully.</source>
            <translation>Settings changed successfully, and connected successfully.</translation>
        </message>
        <message>
            <source>Settings changed successfully. New settings make the device not reachable - no connection.</source>
            <translation>Settings changed successfully. New settings make the device not reachable - no connection.</translation>
        </message>
        <message>
            <source>Trying to connect to the device with new settings</source>
            <translation>Trying to connect to the device with new settings</translation>
        </message>
        <message>
            <source>Trying to connect to the device with old settings</source>
            <translation>Trying to connect to the device with old settings</translation>
        </message>
        <message>
            <source>Trying to connect to the device with settings read from device</source>
            <translation>Trying to connect to the device with settings read from device</translation>
        </message>
        <message>
            <source>Work in progress, please wait...</source>
            <translation>Work in progress, please wait...</translation>
        </message>
    </context>
</TS>
