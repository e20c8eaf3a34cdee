<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
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
