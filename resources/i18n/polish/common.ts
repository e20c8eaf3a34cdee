<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>QObject</name>
    <message>
        <source>Brenko Sorvana</source>
        <translation>Brenko Sorvana</translation>
    </message>
</context>
</TS>
