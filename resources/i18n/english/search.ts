<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>Common::Communication::COMSearch</name>
        <message>
            <source>No serial ports found.</source>
            <translation>No serial ports found.</translation>
        </message>
        <message>
            <source>Ports to be used during search: </source>
            <translation>Ports to be used during search: </translation>
        </message>
        <message>
            <source>Searching via serial ports...</source>
            <translation>Searching via serial ports...</translation>
        </message>
    </context>
    <context>
        <name>Common::Communication::NCOMDeviceLoop</name>
        <message>
            <source>Could not open port</source>
            <translation>Could not open port</translation>
        </message>
        <message>
            <source>Could not send command</source>
            <translation>Could not send command</translation>
        </message>
        <message>
            <source>Device did not respond to ReadInfo command</source>
            <translation>Device did not respond to ReadInfo command</translation>
        </message>
        <message>
            <source>No device found</source>
            <translation>No device found</translation>
        </message>
        <message>
            <source>Stopped</source>
            <translation>Stopped</translation>
        </message>
    </context>
    <context>
        <name>Common::Communication::UnreachableTrProvider</name>
        <message>
            <source>Device not reachable (DHCP device can not reach comp (wrong subnet))</source>
            <translation>Device not reachable (DHCP device can not reach comp (wrong subnet))</translation>
        </message>
        <message>
            <source>Device not reachable (address not obtained from DHCP server)</source>
            <translation>Device not reachable (address not obtained from DHCP server)</translation>
        </message>
        <message>
            <source>Device not reachable (address obtained from DHCP not in local subnet)</source>
            <translation>Device not reachable (address obtained from DHCP not in local subnet)</translation>
        </message>
        <message>
            <source>Device not reachable (address set in device not in local subnet)</source>
            <translation>Device not reachable (address set in device not in local subnet)</translation>
        </message>
        <message>
            <source>Device not reachable (device can not reach comp (wrong remote ip setting))</source>
            <translation>Device not reachable (device can not reach comp (wrong remote ip setting))</translation>
        </message>
        <message>
            <source>Device not reachable (device can not reach comp (wrong subnet))</source>
            <translation>Device not reachable (device can not reach comp (wrong subnet))</translation>
        </message>
        <message>
            <source>Device not reachable (wrong transport protocol setting)</source>
            <translation>Device not reachable (wrong transport protocol setting)</translation>
        </message>
        <message>
            <source>Unknown reason</source>
            <translation>Unknown reason</translation>
        </message>
    </context>
    <context>
        <name>SearchSettings</name>
        <message>
            <source>Baud rates to be used during search:</source>
            <translation>Baud rates to be used during search:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Network</source>
            <translation>Network</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Search modes:</source>
            <translation>Search modes:</translation>
        </message>
        <message>
            <source>Search settings</source>
            <translation>Search settings</translation>
        </message>
        <message>
            <source>Serial ports</source>
            <translation>Serial ports</translation>
        </message>
    </context>
</TS>
