<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>Common::ConnectionStateChangeDispatcher</name>
        <message>
            <source>Communication issues.
Disconnected from:</source>
            <translation>Communication issues.
Disconnected from:</translation>
        </message>
        <message>
            <source>Connected to:</source>
            <translation>Connected to:</translation>
        </message>
        <message>
            <source>Disconnected from:</source>
            <translation>Disconnected from:</translation>
        </message>
        <message>
            <source>No communication with device.
Disconnected from:</source>
            <translation>No communication with device.
Disconnected from:</translation>
        </message>
        <message>
            <source>Unable to connect:</source>
            <translation>Unable to connect:</translation>
        </message>
    </context>
    <context>
        <name>Common::ConnectionStateChangeMessageBoxHandler</name>
        <message>
            <source>Date: %1
</source>
            <translation>Date: %1
</translation>
        </message>
        <message>
            <source>Firmware: %1</source>
            <translation>Firmware: %1</translation>
        </message>
        <message>
            <source>Interface: %1
</source>
            <translation>Interface: %1
</translation>
        </message>
        <message>
            <source>Model: %1
</source>
            <translation>Model: %1
</translation>
        </message>
        <message>
            <source>S/N: %1
</source>
            <translation>S/N: %1
</translation>
        </message>
    </context>
    <context>
        <name>Common::NetworkSettingsChangeDialog</name>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fail</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>Common::TabSearchingController</name>
        <message>
            <source>Connection requested</source>
            <translation>Connection requested</translation>
        </message>
        <message>
            <source>Not reachable!</source>
            <translation>Not reachable!</translation>
        </message>
        <message>
            <source>Search finished</source>
            <translation>Search finished</translation>
        </message>
        <message>
            <source>Stop requested</source>
            <translation>Stop requested</translation>
        </message>
        <message>
            <source>The program is already connected to a device.
New search will cause disconnection.

Are you sure you want to proceed?</source>
            <translation>The program is already connected to a device.
New search will cause disconnection.

Are you sure you want to proceed?</translation>
        </message>
        <message>
            <source>stopping search procedure...</source>
            <translation>stopping search procedure...</translation>
        </message>
    </context>
    <context>
        <name>DirectConnectionWidget</name>
        <message>
            <source>IP</source>
            <translation>IP</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
    </context>
    <context>
        <name>NDialogWhyUnreachable</name>
        <message>
            <source>Allowed values</source>
            <translation>Allowed values</translation>
        </message>
        <message>
            <source>Apply and connect</source>
            <translation>Apply and connect</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Current value</source>
            <translation>Current value</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>Dialog</translation>
        </message>
        <message>
            <source>Dynamic</source>
            <translation>Dynamic</translation>
        </message>
        <message>
            <source>Following settings has to be changed in order for device to be reachable</source>
            <translation>Following settings has to be changed in order for device to be reachable</translation>
        </message>
        <message>
            <source>IP Address</source>
            <translation>IP Address</translation>
        </message>
        <message>
            <source>It looks like device IP address (obtained from DHCP server) is not reachable.
&#xd;
&#xd;You can either
&#xd;  Click CANCEL and correct DHCP server settings
&#xd;or
&#xd;  Switch to static IP by changing following settings:</source>
            <translation>It looks like device IP address (obtained from DHCP server) is not reachable.
&#xd;
&#xd;You can either
&#xd;  Click CANCEL and correct DHCP server settings
&#xd;or
&#xd;  Switch to static IP by changing following settings:</translation>
        </message>
        <message>
            <source>Netmask</source>
            <translation>Netmask</translation>
        </message>
        <message>
            <source>New value</source>
            <translation>New value</translation>
        </message>
        <message>
            <source>Protocol</source>
            <translation>Protocol</translation>
        </message>
        <message>
            <source>Remote IP</source>
            <translation>Remote IP</translation>
        </message>
        <message>
            <source>Static</source>
            <translation>Static</translation>
        </message>
        <message>
            <source>Static/Dynamic</source>
            <translation>Static/Dynamic</translation>
        </message>
    </context>
    <context>
        <name>NTabSearching</name>
        <message>
            <source>CON</source>
            <translation>CON</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Connect</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Disconnect</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Hide details</source>
            <translation>Hide details</translation>
        </message>
        <message>
            <source>Interface</source>
            <translation>Interface</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Model</translation>
        </message>
        <message>
            <source>Prod date</source>
            <translation>Prod date</translation>
        </message>
        <message>
            <source>S/N</source>
            <translation>S/N</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Search</translation>
        </message>
        <message>
            <source>Show details</source>
            <translation>Show details</translation>
        </message>
        <message>
            <source>State</source>
            <translation>State</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Stop</translation>
        </message>
    </context>
    <context>
        <name>NoDeviceDialog</name>
        <message>
            <source>Help</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>No device found</source>
            <translation>No device found</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Search Engine</source>
            <translation>Search Engine</translation>
        </message>
    </context>
    <context>
        <name>TabSearchingTrProvider</name>
        <message>
            <source>Connect</source>
            <translation>Connect</translation>
        </message>
        <message>
            <source>Direct connection</source>
            <translation>Direct connection</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Disconnect</translation>
        </message>
        <message>
            <source>Search for devices</source>
            <translation>Search for devices</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>Show details</source>
            <translation>Show details</translation>
        </message>
        <message>
            <source>Stop searching</source>
            <translation>Stop searching</translation>
        </message>
        <message>
            <source>Tab searching</source>
            <translation>Search engine</translation>
        </message>
    </context>
    <context>
        <name>TutorialDialog</name>
        <message>
            <source>Cable USB A/USB B</source>
            <translation>Cable USB A/USB B</translation>
        </message>
        <message>
            <source>Choose interface</source>
            <translation>Choose interface</translation>
        </message>
        <message>
            <source>Connecting the scale&apos;s Ethernet interface to the computer&apos;s Ethernet port via switch</source>
            <translation>Connecting the scale&apos;s Ethernet interface to the computer&apos;s Ethernet port via switch</translation>
        </message>
        <message>
            <source>Connecting the scale&apos;s RS232 interface to the computer&apos;s COM port</source>
            <translation>Connecting the scale&apos;s RS232 interface to the computer&apos;s COM port</translation>
        </message>
        <message>
            <source>Connecting the scale&apos;s RS232 interface to the computer&apos;s USB port</source>
            <translation>Connecting the scale&apos;s RS232 interface to the computer&apos;s USB port</translation>
        </message>
        <message>
            <source>Connecting the scale&apos;s USB interface to the computer&apos;s USB port</source>
            <translation>Connecting the scale&apos;s USB interface to the computer&apos;s USB port</translation>
        </message>
        <message>
            <source>Ethernet</source>
            <translation>Ethernet</translation>
        </message>
        <message>
            <source>Ethernet serial interface</source>
            <translation>Ethernet serial interface</translation>
        </message>
        <message>
            <source>How to connect device to computer</source>
            <translation>How to connect device to computer</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>RS232</source>
            <translation>RS232</translation>
        </message>
        <message>
            <source>RS232 / USB converter</source>
            <translation>RS232 / USB converter</translation>
        </message>
        <message>
            <source>Scale-computer cable KP-1</source>
            <translation>Scale-computer cable KP-1</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Switch</translation>
        </message>
        <message>
            <source>The back of the computer</source>
            <translation>The back of the computer</translation>
        </message>
        <message>
            <source>The back of the scale</source>
            <translation>The back of the scale</translation>
        </message>
        <message>
            <source>Tutorial</source>
            <translation>Tutorial</translation>
        </message>
        <message>
            <source>Twisted pair with RJ45 plugs</source>
            <translation>Twisted pair with RJ45 plugs</translation>
        </message>
        <message>
            <source>USB</source>
            <translation>USB</translation>
        </message>
        <message>
            <source>USB serial interface</source>
            <translation>USB serial interface</translation>
        </message>
    </context>
</TS>
