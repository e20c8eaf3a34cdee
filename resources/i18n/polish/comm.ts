<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::Communication::ConnectionInfo</name>
        <message>
            <source>No interface</source>
            <translation>Brak interfejsu</translation>
        </message>
    </context>
</TS>
