<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>Common::FirmwareDialog</name>
        <message>
            <source>Failure!</source>
            <translation>Niepowodzenie!</translation>
        </message>
        <message>
            <source>Firmware files</source>
            <translation>Pliki oprogramowania</translation>
        </message>
        <message>
            <source>Ready to upload</source>
            <translation>Gotowy do wgrania</translation>
        </message>
        <message>
            <source>Success!</source>
            <translation>Sukces!</translation>
        </message>
        <message>
            <source>Uploading: bootloader initialized</source>
            <translation>Wgrywanie: bootloader zainicjalizowany</translation>
        </message>
        <message>
            <source>Uploading: sending firmware data (%1%)</source>
            <translation>Wgrywanie: wysyłanie danych oprogramowania (%1%)</translation>
        </message>
    </context>
    <context>
        <name>FirmwareDialog</name>
        <message>
            <source>Be aware that:&lt;ul&gt;&lt;li&gt;upload may take several minutes&lt;/li&gt;&lt;li&gt;if the file is invalid, it can cause the device to work incorrectly&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>Pamiętaj, że:&lt;ul&gt;&lt;li&gt;wgrywanie może potrwać kilka minut&lt;/li&gt;&lt;li&gt;nieprawidłowy plik może spowodować błędne działanie urządzenia&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
        <message>
            <source>Browse</source>
            <translation>Przeglądaj</translation>
        </message>
        <message>
            <source>Connection parameters</source>
            <translation>Parametry połączenia</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Oprogramowanie</translation>
        </message>
        <message>
            <source>Firmware file: </source>
            <translation>Plik oprogramowania: </translation>
        </message>
        <message>
            <source>If you want to upload firmware, you need to:&lt;ul&gt;&lt;li&gt;choose firmware file&lt;/li&gt;&lt;li&gt;click 'Upload' button&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>Aby wgrać oprogramowanie, należy:&lt;ul&gt;&lt;li&gt;wybrać plik oprogramowania&lt;/li&gt;&lt;li&gt;kliknąć przycisk &lt;i&gt;Wgraj&lt;/i&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
        <message>
            <source>Init bootloader (uncheck if the bootloader is already set up)</source>
            <translation>Uruchom bootloader (odznacz, jeśli bootloader jest już uruchomiony)</translation>
        </message>
        <message>
            <source>The program is currently not connected to any device. If you want to upload firmware, you need to:&lt;br&gt;&lt;br&gt;Option 1:&lt;ul&gt;&lt;li&gt;close this dialog&lt;/li&gt;&lt;li&gt;search for a decive&lt;/li&gt;&lt;li&gt;connect to desired device&lt;/li&gt;&lt;li&gt;click 'firmware' from main menu&lt;/li&gt;&lt;/ul&gt;Option 2:&lt;ul&gt;&lt;li&gt;set connection parameters manually&lt;/li&gt;&lt;li&gt;choose firmware file&lt;/li&gt;&lt;li&gt;click 'Upload' button&lt;/li&gt;&lt;/ul&gt;</source>
            <translation>Program nie jest obecnie połączony z żadnym urządzeniem. Aby wgrać oprogramowanie, należy:&lt;br&gt;&lt;br&gt;Sposób 1:&lt;ul&gt;&lt;li&gt;zamknąć to okno&lt;/li&gt;&lt;li&gt;wyszukać urządzenie&lt;/li&gt;&lt;li&gt;połączyć się z wybranym urządzeniem&lt;/li&gt;&lt;li&gt;kliknąć &lt;i&gt;Firmware&lt;/i&gt; w menu głównym&lt;/li&gt;&lt;/ul&gt;Sposób 2:&lt;ul&gt;&lt;li&gt;ustawić ręcznie parametry połączenia&lt;/li&gt;&lt;li&gt;wybrać plik oprogramowania&lt;/li&gt;&lt;li&gt;kliknąć przycisk &lt;i&gt;Wgraj&lt;/i&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
        </message>
        <message>
            <source>Upload</source>
            <translation>Wgraj</translation>
        </message>
    </context>
    <context>
        <name>KD::FirmwareSetup</name>
        <message>
            <source>Firmware upload</source>
            <translation>Wgrywanie oprogramowania</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
    </context>
    <context>
        <name>MainWindowTrProvider</name>
        <message>
            <source>Sorvana is a program created to cooperate with Brenko Moisture Analyzers.</source>
            <translation>Sorvana jest programem służącym do współpracy z Wagosuszarkami firmy Brenko.</translation>
        </message>
        <message>
            <source>Start analysis</source>
            <translation>Rozpocznij badanie</translation>
        </message>
        <message>
            <source>Stop analysis</source>
            <translation>Przerwij badanie</translation>
        </message>
    </context>
    <context>
        <name>NMainWindowForm</name>
        <message>
            <source>About</source>
            <translation>Informacje o</translation>
        </message>
        <message>
            <source>About App</source>
            <translation>Informacje o programie</translation>
        </message>
        <message>
            <source>About Qt</source>
            <translation>Informacje o Qt</translation>
        </message>
        <message>
            <source>About menu</source>
            <translation>O programie</translation>
        </message>
        <message>
            <source>Current</source>
            <translation>Aktualne</translation>
        </message>
        <message>
            <source>Global</source>
            <translation>Globalne</translation>
        </message>
        <message>
            <source>Icon menu</source>
            <translation>Menu ikon</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Język</translation>
        </message>
        <message>
            <source>Tab menu</source>
            <translation>Menu zakladek</translation>
        </message>
        <message>
            <source>Unknown Tab</source>
            <translation>Nieznana zakładka</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Widok</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Could not prepare database!</source>
            <translation>Nie udało się przygotować bazy danych!</translation>
        </message>
    </context>
    <context>
        <name>SerialPortSettingsWidget</name>
        <message>
            <source>BaudRate</source>
            <translation>Prędkość transmisji</translation>
        </message>
        <message>
            <source>No ports avaliable</source>
            <translation>Brak dostępnych portów</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Refresh ports</source>
            <translation>Odśwież porty</translation>
        </message>
    </context>
</TS>
