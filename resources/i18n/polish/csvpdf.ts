<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>CSVErrorHandlerDescriptor</name>
        <message>
            <source>A data line comes before the header line.</source>
            <translation>Wiersz danych występuje przed wierszem nagłówka.</translation>
        </message>
        <message>
            <source>Could not parse time: %1</source>
            <translation>Nie można odczytać czasu: %1</translation>
        </message>
        <message>
            <source>Invalid fields count: expected %1, got %2</source>
            <translation>Nieprawidłowa liczba pól: oczekiwano %1, jest %2</translation>
        </message>
        <message>
            <source>The file has neither run context lines nor a header line.</source>
            <translation>Plik nie zawiera ani wierszy kontekstu pomiaru, ani wiersza nagłówka.</translation>
        </message>
        <message>
            <source>The file is larger than %1 MiB.</source>
            <translation>Plik jest większy niż %1 MiB.</translation>
        </message>
        <message>
            <source>The line is longer than %1 characters.</source>
            <translation>Wiersz przekracza dopuszczalną długość %1 znaków.</translation>
        </message>
        <message>
            <source>The run context has more than %1 lines.</source>
            <translation>Kontekst pomiaru przekracza dopuszczalną liczbę %1 wierszy.</translation>
        </message>
        <message>
            <source>Time has value which is smaller than previous record:&lt;br&gt;previous = %1,&lt;br&gt;current = %2</source>
            <translation>Czas ma wartość mniejszą niż w poprzednim rekordzie:&lt;br&gt;poprzedni = %1,&lt;br&gt;bieżący = %2</translation>
        </message>
    </context>
    <context>
        <name>Common::CSV::CSVRWErrorHandler</name>
        <message>
            <source>Could not open file!</source>
            <translation>Nie można otworzyć pliku!</translation>
        </message>
        <message>
            <source>Internal error occured!</source>
            <translation>Wystąpił błąd wewnętrzny!</translation>
        </message>
        <message>
            <source>There was an error while writing to file!</source>
            <translation>Wystąpił błąd podczas zapisu do pliku!</translation>
        </message>
        <message>
            <source>There was na error while parsing data file (line %1):&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;%3</source>
            <translation>Wystąpił błąd podczas odczytu pliku danych (wiersz %1):&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;%3</translation>
        </message>
    </context>
    <context>
        <name>Common::PDF::ReportPreviewDialog</name>
        <message>
            <source>Close</source>
            <translation>Zamknij</translation>
        </message>
        <message>
            <source>Could not write the PDF file!</source>
            <translation>Nie można zapisać pliku PDF!</translation>
        </message>
        <message>
            <source>Fit width</source>
            <translation>Dopasuj szerokość</translation>
        </message>
        <message>
            <source>Next page</source>
            <translation>Następna strona</translation>
        </message>
        <message>
            <source>PDF files</source>
            <translation>Pliki PDF</translation>
        </message>
        <message>
            <source>Previous page</source>
            <translation>Poprzednia strona</translation>
        </message>
        <message>
            <source>Print to PDF</source>
            <translation>Drukuj do PDF</translation>
        </message>
        <message>
            <source>Report preview</source>
            <translation>Podgląd raportu</translation>
        </message>
        <message>
            <source>Zoom in</source>
            <translation>Powiększ</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Pomniejsz</translation>
        </message>
    </context>
    <context>
        <name>Common::PDF::ReportRenderer</name>
        <message>
            <source>Page %1 of %2</source>
            <translation>Strona %1 z %2</translation>
        </message>
    </context>
    <context>
        <name>KD::Drying::TdPdfGenerator</name>
        <message>
            <source>Could not load the report template!</source>
            <translation>Nie można wczytać szablonu raportu!</translation>
        </message>
    </context>
    <context>
        <name>KD::PdfTrProvider</name>
        <message>
            <source>Details</source>
            <translation>Szczegóły</translation>
        </message>
        <message>
            <source>Dry mass</source>
            <translation>Sucha masa</translation>
        </message>
        <message>
            <source>Humidity</source>
            <translation>Wilgotność</translation>
        </message>
        <message>
            <source>Mass</source>
            <translation>Masa</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Czas</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Could not parse mass: %1</source>
            <translation>Nie można odczytać masy: %1</translation>
        </message>
    </context>
</TS>
