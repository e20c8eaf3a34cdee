<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>Common::ContextSetupTrProvider</name>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Value</translation>
        </message>
    </context>
    <context>
        <name>Common::UI::ContextSetup</name>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Confirm</translation>
        </message>
    </context>
    <context>
        <name>KD::Drying::RunContext::ContextSettingsTrProvider</name>
        <message>
            <source>Author</source>
            <translation>Author</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>End time</source>
            <translation>End time</translation>
        </message>
        <message>
            <source>Final mass</source>
            <translation>Final mass</translation>
        </message>
        <message>
            <source>Footer</source>
            <translation>Footer</translation>
        </message>
        <message>
            <source>Formula</source>
            <translation>Formula</translation>
        </message>
        <message>
            <source>Header</source>
            <translation>Header</translation>
        </message>
        <message>
            <source>Initial mass</source>
            <translation>Initial mass</translation>
        </message>
        <message>
            <source>Introduction</source>
            <translation>Introduction</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Plot</translation>
        </message>
        <message>
            <source>Product</source>
            <translation>Product</translation>
        </message>
        <message>
            <source>Samples count</source>
            <translation>Samples count</translation>
        </message>
        <message>
            <source>Start time</source>
            <translation>Start time</translation>
        </message>
        <message>
            <source>Summary</source>
            <translation>Summary</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Title</source>
            <translation>Title</translation>
        </message>
    </context>
</TS>
