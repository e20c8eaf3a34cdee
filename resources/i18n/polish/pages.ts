<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>AbstractGuiTab</name>
        <message>
            <source>Current</source>
            <translation>Aktualne</translation>
        </message>
        <message>
            <source>Show </source>
            <translation>Otwórz </translation>
        </message>
    </context>
    <context>
        <name>Common::AboutDialog</name>
        <message>
            <source>&lt;tt&gt;About &gt; About Qt&lt;/tt&gt;</source>
            <translation>&lt;tt&gt;O programie &gt; Informacje o Qt&lt;/tt&gt;</translation>
        </message>
        <message>
            <source>&lt;tt&gt;{Install Location}/licenses/Qt_license.txt&lt;/tt&gt;</source>
            <translation>&lt;tt&gt;{Katalog instalacji}/licenses/Qt_license.txt&lt;/tt&gt;</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Informacje o</translation>
        </message>
        <message>
            <source>More information about Qt:</source>
            <translation>Więcej informacji o Qt:</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Version</source>
            <translation>Wersja</translation>
        </message>
        <message>
            <source>is based in part on the work of the Qwt project</source>
            <translation>częściowo opiera się na pracy projektu Qwt</translation>
        </message>
        <message>
            <source>uses Qt under LGPLv3 license:</source>
            <translation>korzysta z biblioteki Qt na licencji LGPLv3:</translation>
        </message>
    </context>
    <context>
        <name>Common::ConnectionTypeTrProvider</name>
        <message>
            <source>CONNECTED</source>
            <translation>POŁĄCZONO</translation>
        </message>
        <message>
            <source>CONNECTING</source>
            <translation>ŁĄCZENIE</translation>
        </message>
        <message>
            <source>DISCONNECTED</source>
            <translation>ROZŁĄCZONO</translation>
        </message>
        <message>
            <source>LISTENNING</source>
            <translation>NASŁUCHIWANIE</translation>
        </message>
    </context>
</TS>
