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
</TS>
