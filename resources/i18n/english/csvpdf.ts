<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
    <context>
        <name>CSVErrorHandlerDescriptor</name>
        <message>
            <source>A data line comes before the header line.</source>
            <translation>A data line comes before the header line.</translation>
        </message>
        <message>
            <source>Could not parse time: %1</source>
            <translation>Could not parse time: %1</translation>
        </message>
        <message>
            <source>Invalid fields count: expected %1, got %2</source>
            <translation>Invalid fields count: expected %1, got %2</translation>
        </message>
        <message>
            <source>The file has neither run context lines nor a header line.</source>
            <translation>The file has neither run context lines nor a header line.</translation>
        </message>
        <message>
            <source>The file is larger than %1 MiB.</source>
            <translation>The file is larger than %1 MiB.</translation>
        </message>
        <message>
            <source>The line is longer than %1 characters.</source>
            <translation>The line is longer than %1 characters.</translation>
        </message>
        <message>
            <source>The run context has more than %1 lines.</source>
            <translation>The run context has more than %1 lines.</translation>
        </message>
        <message>
            <source>Time has value which is smaller than previous record:&lt;br&gt;previous = %1,&lt;br&gt;current = %2</source>
            <translation>Time has value which is smaller than previous record:&lt;br&gt;previous = %1,&lt;br&gt;current = %2</translation>
        </message>
    </context>
    <context>
        <name>Common::CSV::CSVRWErrorHandler</name>
        <message>
            <source>Could not open file!</source>
            <translation>Could not open file!</translation>
        </message>
        <message>
            <source>Internal error occured!</source>
            <translation>Internal error occured!</translation>
        </message>
        <message>
            <source>There was an error while writing to file!</source>
            <translation>There was an error while writing to file!</translation>
        </message>
        <message>
            <source>There was na error while parsing data file (line %1):&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;%3</source>
            <translation>There was na error while parsing data file (line %1):&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;br&gt;%3</translation>
        </message>
    </context>
    <context>
        <name>Common::PDF::ReportPreviewDialog</name>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Could not write the PDF file!</source>
            <translation>Could not write the PDF file!</translation>
        </message>
        <message>
            <source>Fit width</source>
            <translation>Fit width</translation>
        </message>
        <message>
            <source>Next page</source>
            <translation>Next page</translation>
        </message>
        <message>
            <source>PDF files</source>
            <translation>PDF files</translation>
        </message>
        <message>
            <source>Previous page</source>
            <translation>Previous page</translation>
        </message>
        <message>
            <source>Print to PDF</source>
            <translation>Print to PDF</translation>
        </message>
        <message>
            <source>Report preview</source>
            <translation>Report preview</translation>
        </message>
        <message>
            <source>Zoom in</source>
            <translation>Zoom in</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <translation>Zoom out</translation>
        </message>
    </context>
    <context>
        <name>Common::PDF::ReportRenderer</name>
        <message>
            <source>Page %1 of %2</source>
            <translation>Page %1 of %2</translation>
        </message>
    </context>
    <context>
        <name>KD::Drying::TdPdfGenerator</name>
        <message>
            <source>Could not load the report template!</source>
            <translation>Could not load the report template!</translation>
        </message>
    </context>
    <context>
        <name>KD::PdfTrProvider</name>
        <message>
            <source>Details</source>
            <translation>Details</translation>
        </message>
        <message>
            <source>Dry mass</source>
            <translation>Dry mass</translation>
        </message>
        <message>
            <source>Humidity</source>
            <translation>Humidity</translation>
        </message>
        <message>
            <source>Mass</source>
            <translation>Mass</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Could not parse mass: %1</source>
            <translation>Could not parse mass: %1</translation>
        </message>
    </context>
</TS>
