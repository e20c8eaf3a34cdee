<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>CSVErrorHandlerDescriptor</name>
        <message>
            <source>The file ends without a header line.</source>
            <translation>The file ends without a header line.</translation>
        </message>
    </context>
</TS>
