<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>AbstractFilter</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
    </context>
    <context>
        <name>CTabDryingSettings</name>
        <message>
            <source>An error ocurred during database operation!</source>
            <translation>An error ocurred during database operation!</translation>
        </message>
        <message>
            <source>Are you sure you want to delete this row?</source>
            <translation>Are you sure you want to delete this row?</translation>
        </message>
        <message>
            <source>Cannot save settings when another operation or drying process is in progress!</source>
            <translation>Cannot save settings when another operation or drying process is in progress!</translation>
        </message>
        <message>
            <source>Copied from device</source>
            <translation>Copied from device</translation>
        </message>
        <message>
            <source>Could not load setting from database!</source>
            <translation>Could not load setting from database!</translation>
        </message>
        <message>
            <source>Database row with this name already exists. Override it with current values?</source>
            <translation>Database row with this name already exists. Override it with current values?</translation>
        </message>
        <message>
            <source>Delete from DB</source>
            <translation>Delete from DB</translation>
        </message>
        <message>
            <source>Device:</source>
            <translation>Device:</translation>
        </message>
        <message>
            <source>Drying profile</source>
            <translation>Drying profile</translation>
        </message>
        <message>
            <source>Drying temperature</source>
            <translation>Drying temperature</translation>
        </message>
        <message>
            <source>Drying time</source>
            <translation>Drying time</translation>
        </message>
        <message>
            <source>Export profile from device to workspace</source>
            <translation>Export profile from device to workspace</translation>
        </message>
        <message>
            <source>Export profile from workspace to device</source>
            <translation>Export profile from workspace to device</translation>
        </message>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>Humidity formula</source>
            <translation>Humidity calculation formula</translation>
        </message>
        <message>
            <source>Last modified</source>
            <translation>Last modified</translation>
        </message>
        <message>
            <source>Load from DB</source>
            <translation>Load from DB</translation>
        </message>
        <message>
            <source>Memory slot                        </source>
            <translation>Memory slot                        </translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>New sheet</source>
            <translation>New sheet</translation>
        </message>
        <message>
            <source>Samples quantity</source>
            <translation>Samples quantity</translation>
        </message>
        <message>
            <source>Sampling time</source>
            <translation>Sampling time</translation>
        </message>
        <message>
            <source>Save to DB</source>
            <translation>Save to DB</translation>
        </message>
        <message>
            <source>Sheet name</source>
            <translation>Sheet name</translation>
        </message>
        <message>
            <source>Work Mode</source>
            <translation>Work mode</translation>
        </message>
        <message>
            <source>Working area:</source>
            <translation>Working area:</translation>
        </message>
    </context>
    <context>
        <name>DryingSettingsTrProvider</name>
        <message>
            <source>DryingProf</source>
            <translation>Drying Profile</translation>
        </message>
        <message>
            <source>DryingTime</source>
            <translation>Drying Time</translation>
        </message>
        <message>
            <source>Filter messages</source>
            <translation>Filter messages</translation>
        </message>
        <message>
            <source>Formula</source>
            <translation>Formula</translation>
        </message>
        <message>
            <source>Hide/Show collumns</source>
            <translation>Hide/Show collumns</translation>
        </message>
        <message>
            <source>LastModified</source>
            <translation>LastModified</translation>
        </message>
        <message>
            <source>Load data from file</source>
            <translation>Load data from file</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>Mode</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>SamplesQnt</source>
            <translation>Samples quantity</translation>
        </message>
        <message>
            <source>SamplesTime</source>
            <translation>SamplesTime</translation>
        </message>
        <message>
            <source>Save data to file</source>
            <translation>Save data to file</translation>
        </message>
        <message>
            <source>Tab drying settings</source>
            <translation>Drying settings</translation>
        </message>
        <message>
            <source>Temperature</source>
            <translation>Temperature</translation>
        </message>
    </context>
    <context>
        <name>FilterDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Choose columns to filter</source>
            <translation>Choose columns to filter</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Confirm</translation>
        </message>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
    </context>
    <context>
        <name>FiltersTrProvider</name>
        <message>
            <source>Between</source>
            <translation>Between</translation>
        </message>
        <message>
            <source>Contains</source>
            <translation>Contains</translation>
        </message>
        <message>
            <source>Earlier than</source>
            <translation>Earlier than</translation>
        </message>
        <message>
            <source>Ends with</source>
            <translation>Ends with</translation>
        </message>
        <message>
            <source>Equal</source>
            <translation>Equal</translation>
        </message>
        <message>
            <source>Greater than</source>
            <translation>Greater than</translation>
        </message>
        <message>
            <source>IN</source>
            <translation>IN</translation>
        </message>
        <message>
            <source>IN/OUT</source>
            <translation>IN/OUT</translation>
        </message>
        <message>
            <source>Later than</source>
            <translation>Later than</translation>
        </message>
        <message>
            <source>Lower than</source>
            <translation>Lower than</translation>
        </message>
        <message>
            <source>OUT</source>
            <translation>OUT</translation>
        </message>
        <message>
            <source>Starts with</source>
            <translation>Starts with</translation>
        </message>
    </context>
</TS>
