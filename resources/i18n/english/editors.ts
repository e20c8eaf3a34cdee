<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>Common::VornModel::NVornHotkeyItem</name>
        <message>
            <source>Not bound</source>
            <translation>Not bound</translation>
        </message>
        <message>
            <source>Press key</source>
            <translation>Press key</translation>
        </message>
    </context>
    <context>
        <name>DateDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Confirm</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Today</translation>
        </message>
    </context>
    <context>
        <name>ExtendedLineDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Confirm</translation>
        </message>
        <message>
            <source>Edit value</source>
            <translation>Edit value</translation>
        </message>
    </context>
    <context>
        <name>HotKeyButton</name>
        <message>
            <source>Unbind</source>
            <translation>Unbind</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Not specified</source>
            <translation>Not specified</translation>
        </message>
    </context>
    <context>
        <name>TimeComboBoxDialog</name>
        <message>
            <source>AM</source>
            <translation>AM</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Confirm</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Hour</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minute</translation>
        </message>
        <message>
            <source>Now</source>
            <translation>Now</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>PM</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Second</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
    </context>
</TS>
