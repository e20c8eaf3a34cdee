<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>KD::Drying::TdLiveRunGuard</name>
        <message>
            <source>The data cannot be cleared or loaded while a drying run is in progress!</source>
            <translation>The data cannot be cleared or loaded while a drying run is in progress!</translation>
        </message>
    </context>
    <context>
        <name>KD::LabelsTrProvider</name>
        <message>
            <source>Dry mass [%]</source>
            <translation>Dry mass [%]</translation>
        </message>
        <message>
            <source>Humidity [%]</source>
            <translation>Humidity [%]</translation>
        </message>
        <message>
            <source>Mass [g]</source>
            <translation>Mass [g]</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
    </context>
    <context>
        <name>KD::TdSourceLabelHandler</name>
        <message>
            <source>Loaded from database</source>
            <translation>Loaded from database</translation>
        </message>
        <message>
            <source>Loaded from slot</source>
            <translation>Loaded from slot</translation>
        </message>
        <message>
            <source>Loading from database</source>
            <translation>Loading from database</translation>
        </message>
        <message>
            <source>Loading from slot</source>
            <translation>Loading from slot</translation>
        </message>
    </context>
    <context>
        <name>StartFromDeviceWidget</name>
        <message>
            <source>(Menu button -&gt; Drying options -&gt; Transmission -&gt; Status: ON)</source>
            <translation>(Menu button -&gt; Drying options -&gt; Transmission -&gt; Status: ON)</translation>
        </message>
        <message>
            <source>If there is any captured data, it will be erased!</source>
            <translation>If there is any captured data, it will be erased!</translation>
        </message>
        <message>
            <source>Log start from device</source>
            <translation>Log start from device</translation>
        </message>
        <message>
            <source>The device needs to have the transmition setting turned on, otherwise the program will be unable to detect such start!</source>
            <translation>The device needs to have the transmition setting turned on, otherwise the program will be unable to detect such start!</translation>
        </message>
        <message>
            <source>When the box above is checked, the program will capture the logs when drying process is started from the device (start button).</source>
            <translation>When the box above is checked, the program will capture the logs when drying process is started from the device (start button).</translation>
        </message>
    </context>
    <context>
        <name>TabDryer</name>
        <message>
            <source>Calculation formula</source>
            <translation>Humidity calculation formula</translation>
        </message>
        <message>
            <source>Device:</source>
            <translation>Device:</translation>
        </message>
        <message>
            <source>From db</source>
            <translation>From database</translation>
        </message>
        <message>
            <source>From device</source>
            <translation>From device</translation>
        </message>
        <message>
            <source>Load setting</source>
            <translation>Load setting</translation>
        </message>
        <message>
            <source>Loading will override device current settings!</source>
            <translation>Loading will override device current settings!</translation>
        </message>
        <message>
            <source>Measurements</source>
            <translation>Measurements</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Slot</source>
            <translation>Slot</translation>
        </message>
        <message>
            <source>Start analysis</source>
            <translation>Start analysis</translation>
        </message>
        <message>
            <source>Stop analysis</source>
            <translation>Stop analysis</translation>
        </message>
        <message>
            <source>Warning!</source>
            <translation>Warning!</translation>
        </message>
    </context>
    <context>
        <name>TabDryerTrProvider</name>
        <message>
            <source>Clear data</source>
            <translation>Clear data</translation>
        </message>
        <message>
            <source>Generate PDF report</source>
            <translation>Generate PDF report</translation>
        </message>
        <message>
            <source>Load data from file</source>
            <translation>Load data from file</translation>
        </message>
        <message>
            <source>Measurement settings</source>
            <translation>Measurement settings</translation>
        </message>
        <message>
            <source>Save data to file</source>
            <translation>Save data to file</translation>
        </message>
        <message>
            <source>Tab drying</source>
            <translation>Drying View</translation>
        </message>
    </context>
</TS>
