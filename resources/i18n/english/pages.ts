<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>AbstractGuiTab</name>
        <message>
            <source>Current</source>
            <translation>Current</translation>
        </message>
        <message>
            <source>Show </source>
            <translation>Show </translation>
        </message>
    </context>
    <context>
        <name>Common::AboutDialog</name>
        <message>
            <source>&lt;tt&gt;About &gt; About Qt&lt;/tt&gt;</source>
            <translation>&lt;tt&gt;About &gt; About Qt&lt;/tt&gt;</translation>
        </message>
        <message>
            <source>&lt;tt&gt;{Install Location}/licenses/Qt_license.txt&lt;/tt&gt;</source>
            <translation>&lt;tt&gt;{Install Location}/licenses/Qt_license.txt&lt;/tt&gt;</translation>
        </message>
        <message>
            <source>About</source>
            <translation>About</translation>
        </message>
        <message>
            <source>More information about Qt:</source>
            <translation>More information about Qt:</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Version</source>
            <translation>Version</translation>
        </message>
        <message>
            <source>is based in part on the work of the Qwt project</source>
            <translation>is based in part on the work of the Qwt project</translation>
        </message>
        <message>
            <source>uses Qt under LGPLv3 license:</source>
            <translation>uses Qt under LGPLv3 license:</translation>
        </message>
    </context>
    <context>
        <name>Common::ConnectionTypeTrProvider</name>
        <message>
            <source>CONNECTED</source>
            <translation>CONNECTED</translation>
        </message>
        <message>
            <source>CONNECTING</source>
            <translation>CONNECTING</translation>
        </message>
        <message>
            <source>DISCONNECTED</source>
            <translation>DISCONNECTED</translation>
        </message>
        <message>
            <source>LISTENNING</source>
            <translation>LISTENING</translation>
        </message>
    </context>
</TS>
