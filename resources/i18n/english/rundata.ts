<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>Common::Filters::NFiltersTrProvider</name>
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
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Not equal</source>
            <translation>Not equal</translation>
        </message>
        <message>
            <source>OUT</source>
            <translation>OUT</translation>
        </message>
        <message>
            <source>Starts with</source>
            <translation>Starts with</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Yes</translation>
        </message>
    </context>
    <context>
        <name>Common::Widgets::PlotTrProvider</name>
        <message>
            <source>Zooming: Mouse wheel rool
Dragging: Left mouse button
Zooming by rectangle: Right mouse button
Blocking axes for zooming: Mouse wheel click, X button
Back to autofocus: ESC button</source>
            <translation>Zooming: Mouse wheel rool
Dragging: Left mouse button
Zooming by rectangle: Right mouse button
Blocking axes for zooming: Mouse wheel click or X key
Back to autofocus: Esc key</translation>
        </message>
    </context>
</TS>
