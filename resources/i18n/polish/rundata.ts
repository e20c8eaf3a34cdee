<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::Widgets::PlotTrProvider</name>
        <message>
            <source>Zooming: Mouse wheel rool
Dragging: Left mouse button
Zooming by rectangle: Right mouse button
Blocking axes for zooming: Mouse wheel click, X button
Back to autofocus: ESC button</source>
            <translation>Przybliżanie: kółko myszy
Przesuwanie: lewy przycisk myszy
Przybliżanie prostokątem: prawy przycisk myszy
Blokowanie osi przy przybliżaniu: kliknięcie kółkiem myszy, klawisz X
Powrót do automatycznego dopasowania: klawisz Esc</translation>
        </message>
    </context>
</TS>
