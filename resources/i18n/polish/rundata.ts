<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::Filters::NFiltersTrProvider</name>
        <message>
            <source>Between</source>
            <translation>Pomiędzy</translation>
        </message>
        <message>
            <source>Contains</source>
            <translation>Zawiera</translation>
        </message>
        <message>
            <source>Earlier than</source>
            <translation>Wcześniej niż</translation>
        </message>
        <message>
            <source>Ends with</source>
            <translation>Kończy się na</translation>
        </message>
        <message>
            <source>Equal</source>
            <translation>Równe</translation>
        </message>
        <message>
            <source>Greater than</source>
            <translation>Większe niż</translation>
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
            <translation>Później niż</translation>
        </message>
        <message>
            <source>Lower than</source>
            <translation>Mniejsze niż</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Nie</translation>
        </message>
        <message>
            <source>Not equal</source>
            <translation>Różne</translation>
        </message>
        <message>
            <source>OUT</source>
            <translation>OUT</translation>
        </message>
        <message>
            <source>Starts with</source>
            <translation>Zaczyna się od</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Tak</translation>
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
            <translation>Przybliżanie: kółko myszy
Przesuwanie: lewy przycisk myszy
Przybliżanie prostokątem: prawy przycisk myszy
Blokowanie osi przy przybliżaniu: kliknięcie kółkiem myszy, klawisz X
Powrót do automatycznego dopasowania: klawisz Esc</translation>
        </message>
    </context>
</TS>
