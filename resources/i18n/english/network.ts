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
</TS>
