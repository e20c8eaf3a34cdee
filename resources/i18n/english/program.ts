<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>Common::FirmwareDialog</name>
        <message>
            <source>Failure!</source>
            <translation>Failure!</translation>
        </message>
        <message>
            <source>Firmware files</source>
            <translation>Firmware files</translation>
        </message>
        <message>
            <source>Ready to upload</source>
            <translation>Ready to upload</translation>
        </message>
        <message>
            <source>Success!</source>
            <translation>Success!</translation>
        </message>
        <message>
            <source>Uploading: bootloader initialized</source>
            <translation>Uploading: bootloader initialized</translation>
        </message>
        <message>
            <source>Uploading: sending firmware data (%1%)</source>
            <translation>Uploading: sending firmware data (%1%)</translation>
        </message>
    </context>
    <context>
        <name>FirmwareDialog</name>
        <message>
            <source>Be aware that:&lt;ul&gt;&lt;li&gt;upload may take several minutes&lt;/li&gt;&lt;li&gt;if the file is invalid, it can cause the device to work incorrectly&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>Be aware that:&lt;ul&gt;&lt;li&gt;upload may take several minutes&lt;/li&gt;&lt;li&gt;if the file is invalid, it can cause the device to work incorrectly&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>Browse</translation>
        </message>
        <message>
            <source>Connection parameters</source>
            <translation>Connection parameters</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Firmware file: </source>
            <translation>Firmware file: </translation>
        </message>
        <message>
            <source>If you want to upload firmware, you need to:&lt;ul&gt;&lt;li&gt;choose firmware file&lt;/li&gt;&lt;li&gt;click 'Upload' button&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>If you want to upload firmware, you need to:&lt;ul&gt;&lt;li&gt;choose firmware file&lt;/li&gt;&lt;li&gt;click &lt;i&gt;Upload&lt;/i&gt; button&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
        <message>
            <source>Init bootloader (uncheck if the bootloader is already set up)</source>
            <translation>Init bootloader (uncheck if the bootloader is already set up)</translation>
        </message>
        <message>
            <source>The program is currently not connected to any device. If you want to upload firmware, you need to:&lt;br&gt;&lt;br&gt;Option 1:&lt;ul&gt;&lt;li&gt;close this dialog&lt;/li&gt;&lt;li&gt;search for a decive&lt;/li&gt;&lt;li&gt;connect to desired device&lt;/li&gt;&lt;li&gt;click 'firmware' from main menu&lt;/li&gt;&lt;/ul&gt;Option 2:&lt;ul&gt;&lt;li&gt;set connection parameters manually&lt;/li&gt;&lt;li&gt;choose firmware file&lt;/li&gt;&lt;li&gt;click 'Upload' button&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>The program is currently not connected to any device. If you want to upload firmware, you need to:&lt;br&gt;&lt;br&gt;Option 1:&lt;ul&gt;&lt;li&gt;close this dialog&lt;/li&gt;&lt;li&gt;search for a decive&lt;/li&gt;&lt;li&gt;connect to desired device&lt;/li&gt;&lt;li&gt;click &lt;i&gt;Firmware&lt;/i&gt; from main menu&lt;/li&gt;&lt;/ul&gt;Option 2:&lt;ul&gt;&lt;li&gt;set connection parameters manually&lt;/li&gt;&lt;li&gt;choose firmware file&lt;/li&gt;&lt;li&gt;click &lt;i&gt;Upload&lt;/i&gt; button&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
        <message>
            <source>Upload</source>
            <translation>Upload</translation>
        </message>
    </context>
    <context>
        <name>KD::FirmwareSetup</name>
        <message>
            <source>Firmware upload</source>
            <translation>Firmware upload</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
    </context>
    <context>
        <name>MainWindowTrProvider</name>
        <message>
            <source>Sorvana is a program created to cooperate with Brenko Moisture Analyzers.</source>
            <translation>Sorvana is a program created to cooperate with Brenko Moisture Analyzers.</translation>
        </message>
        <message>
            <source>Start analysis</source>
            <translation>Start analysis</translation>
        </message>
        <message>
            <source>Stop analysis</source>
            <translation>Stop analysis</translation>
        </message>
    </context>
    <context>
        <name>NMainWindowForm</name>
        <message>
            <source>About</source>
            <translation>About</translation>
        </message>
        <message>
            <source>About App</source>
            <translation>About App</translation>
        </message>
        <message>
            <source>About Qt</source>
            <translation>About Qt</translation>
        </message>
        <message>
            <source>About menu</source>
            <translation>About</translation>
        </message>
        <message>
            <source>Current</source>
            <translation>Current</translation>
        </message>
        <message>
            <source>Global</source>
            <translation>Global</translation>
        </message>
        <message>
            <source>Icon menu</source>
            <translation>Icon menu</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Language</translation>
        </message>
        <message>
            <source>Tab menu</source>
            <translation>Tab menu</translation>
        </message>
        <message>
            <source>Unknown Tab</source>
            <translation>Unknown Tab</translation>
        </message>
        <message>
            <source>View</source>
            <translation>View</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Could not prepare database!</source>
            <translation>Could not prepare database!</translation>
        </message>
    </context>
    <context>
        <name>SerialPortSettingsWidget</name>
        <message>
            <source>BaudRate</source>
            <translation>Baudrate</translation>
        </message>
        <message>
            <source>No ports avaliable</source>
            <translation>No ports avaliable</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Refresh ports</source>
            <translation>Refresh ports</translation>
        </message>
    </context>
</TS>
