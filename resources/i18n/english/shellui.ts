<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>Common::MessageBoxTrProvider</name>
        <message>
            <source>Are you sure you want to clear all the data?</source>
            <translation>Are you sure you want to clear all the data?</translation>
        </message>
        <message>
            <source>Are you sure you want to clear the logs database?
This action cannot be reversed, consider using filters.</source>
            <translation>Are you sure you want to clear the logs database?
This action cannot be reversed, consider using filters.</translation>
        </message>
        <message>
            <source>Are you sure you want to set commands back to default?</source>
            <translation>Are you sure you want to set commands back to default?</translation>
        </message>
        <message>
            <source>Are you sure you wish to upload this file as a firmware to device?</source>
            <translation>Are you sure you wish to upload this file as a firmware to device?</translation>
        </message>
        <message>
            <source>Chosen file is invalid!</source>
            <translation>Chosen file is invalid!</translation>
        </message>
        <message>
            <source>Firmware update failed</source>
            <translation>Firmware update failed</translation>
        </message>
        <message>
            <source>Firmware updated successfully</source>
            <translation>Firmware updated successfully</translation>
        </message>
        <message>
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <source>No baud rate selected!
At least one baud rate must be selected!</source>
            <translation>No baud rate selected!
At least one baud rate must be selected!</translation>
        </message>
        <message>
            <source>No data to save!</source>
            <translation>No data to save!</translation>
        </message>
        <message>
            <source>No search mode selected!
At least one search mode must be selected!</source>
            <translation>No search mode selected!
At least one search mode must be selected!</translation>
        </message>
        <message>
            <source>There was an error while trying to open a file</source>
            <translation>There was an error while trying to open a file</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Yes</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>CSV files</source>
            <translation>CSV files</translation>
        </message>
        <message>
            <source>Image files</source>
            <translation>Image files</translation>
        </message>
        <message>
            <source>JSON files</source>
            <translation>JSON files</translation>
        </message>
        <message>
            <source>TXT files</source>
            <translation>TXT files</translation>
        </message>
    </context>
</TS>
