<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>FastProfile</name>
        <message>
            <source>Temperature T1</source>
            <translation>Temperature T1</translation>
        </message>
        <message>
            <source>Time t1 [mm:ss]</source>
            <translation>Time t1 [mm:ss]</translation>
        </message>
    </context>
    <context>
        <name>SlowProfile</name>
        <message>
            <source>Time t1</source>
            <translation>Time t1</translation>
        </message>
    </context>
    <context>
        <name>StepProfile</name>
        <message>
            <source>Temperature T1</source>
            <translation>Temperature T1</translation>
        </message>
        <message>
            <source>Temperature T2</source>
            <translation>Temperature T2</translation>
        </message>
        <message>
            <source>Time t1 [mm:ss]</source>
            <translation>Time t1 [mm:ss]</translation>
        </message>
        <message>
            <source>Time t2 [mm:ss]</source>
            <translation>Time t2 [mm:ss]</translation>
        </message>
    </context>
</TS>
