<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>CSVErrorHandlerDescriptor</name>
        <message>
            <source>The file ends without a header line.</source>
            <translation>Plik kończy się bez wiersza nagłówka.</translation>
        </message>
    </context>
</TS>
