<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>Common::IOTerminalSignalHandler</name>
        <message>
            <source>Could not send terminal command!</source>
            <translation>Could not send terminal command!</translation>
        </message>
    </context>
    <context>
        <name>NFilterDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Choose columns to filter</source>
            <translation>Choose columns to filter</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Confirm</translation>
        </message>
    </context>
    <context>
        <name>TabTerminalTrProvider</name>
        <message>
            <source>Auto check connection</source>
            <translation>Auto check connection</translation>
        </message>
        <message>
            <source>Clear logs</source>
            <translation>Clear logs</translation>
        </message>
        <message>
            <source>Filter messages</source>
            <translation>Filter messages</translation>
        </message>
        <message>
            <source>Format with CRLF</source>
            <translation>Format with CRLF</translation>
        </message>
        <message>
            <source>Hide/Show columns</source>
            <translation>Hide/Show columns</translation>
        </message>
        <message>
            <source>Reverse commands to default</source>
            <translation>Reverse commands to default</translation>
        </message>
        <message>
            <source>Save messages logs</source>
            <translation>Save communication logs</translation>
        </message>
        <message>
            <source>Save raw logs</source>
            <translation>Save raw logs</translation>
        </message>
        <message>
            <source>Tab terminal</source>
            <translation>Terminal</translation>
        </message>
    </context>
    <context>
        <name>VornContextMenu</name>
        <message>
            <source>??? Sx3</source>
            <translation>Current value (Sx3)</translation>
        </message>
        <message>
            <source>Context menu</source>
            <translation>Context menu</translation>
        </message>
        <message>
            <source>Current prinout (Sx2)</source>
            <translation>Current printout (Sx2)</translation>
        </message>
        <message>
            <source>Echo (SJ)</source>
            <translation>Echo (SJ)</translation>
        </message>
        <message>
            <source>Identification data (SW9)</source>
            <translation>Get identification data (SW9)</translation>
        </message>
        <message>
            <source>Maximum threshhold (SH.)</source>
            <translation>Maximum threshhold (SH.)</translation>
        </message>
        <message>
            <source>Minimum threshhold (SL.)</source>
            <translation>Minimum threshhold (SL.)</translation>
        </message>
        <message>
            <source>Result (Sx1)</source>
            <translation>Result (Sx1)</translation>
        </message>
        <message>
            <source>Show on device screen (SN..____)</source>
            <translation>Show on device screen (SN..____)</translation>
        </message>
        <message>
            <source>Stable result (SI)</source>
            <translation>Stable result (SI)</translation>
        </message>
        <message>
            <source>Tare (ST)</source>
            <translation>Tare (ST)</translation>
        </message>
        <message>
            <source>Zero (SZ)</source>
            <translation>Zero (SZ)</translation>
        </message>
        <message>
            <source>Zero threshhold (SM.)</source>
            <translation>Zero threshhold (SM.)</translation>
        </message>
    </context>
    <context>
        <name>VornCommandWidget</name>
        <message>
            <source>CR/LF</source>
            <translation>CR/LF</translation>
        </message>
    </context>
    <context>
        <name>VornLogViewTrProvider</name>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>IN/OUT</source>
            <translation>IN/OUT</translation>
        </message>
        <message>
            <source>Interface</source>
            <translation>Interface</translation>
        </message>
        <message>
            <source>Message</source>
            <translation>Message</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
    </context>
</TS>
