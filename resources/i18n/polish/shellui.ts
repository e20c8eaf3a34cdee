<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::MessageBoxTrProvider</name>
        <message>
            <source>Are you sure you want to clear all the data?</source>
            <translation>Czy na pewno chcesz usunąć wszystkie dane?</translation>
        </message>
        <message>
            <source>Are you sure you want to clear the logs database?
This action cannot be reversed, consider using filters.</source>
            <translation>Czy na pewno chcesz wyczyścić bazę logów?
Tej operacji nie można cofnąć, rozważ użycie filtrów.</translation>
        </message>
        <message>
            <source>Are you sure you want to set commands back to default?</source>
            <translation>Czy na pewno chcesz przywrócić domyślne komendy?</translation>
        </message>
        <message>
            <source>Are you sure you wish to upload this file as a firmware to device?</source>
            <translation>Czy na pewno chcesz wgrać ten plik jako oprogramowanie urządzenia?</translation>
        </message>
        <message>
            <source>Chosen file is invalid!</source>
            <translation>Wybrany plik jest nieprawidłowy!</translation>
        </message>
        <message>
            <source>Firmware update failed</source>
            <translation>Aktualizacja oprogramowania nie powiodła się</translation>
        </message>
        <message>
            <source>Firmware updated successfully</source>
            <translation>Oprogramowanie zostało zaktualizowane</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Nie</translation>
        </message>
        <message>
            <source>No baud rate selected!
At least one baud rate must be selected!</source>
            <translation>Nie wybrano prędkości transmisji!
Należy wybrać co najmniej jedną prędkość transmisji!</translation>
        </message>
        <message>
            <source>No data to save!</source>
            <translation>Brak danych do zapisania!</translation>
        </message>
        <message>
            <source>No search mode selected!
At least one search mode must be selected!</source>
            <translation>Nie wybrano trybu wyszukiwania!
Należy wybrać co najmniej jeden tryb wyszukiwania!</translation>
        </message>
        <message>
            <source>There was an error while trying to open a file</source>
            <translation>Wystąpił błąd podczas otwierania pliku</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Tak</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>CSV files</source>
            <translation>Pliki CSV</translation>
        </message>
        <message>
            <source>Image files</source>
            <translation>Pliki graficzne</translation>
        </message>
        <message>
            <source>JSON files</source>
            <translation>Pliki JSON</translation>
        </message>
        <message>
            <source>TXT files</source>
            <translation>Pliki TXT</translation>
        </message>
    </context>
</TS>
