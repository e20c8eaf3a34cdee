<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
    <context>
        <name>KD::CommandsDescProvider</name>
        <message>
            <source>Echo</source>
            <translation>Echo</translation>
        </message>
        <message>
            <source>Get device info</source>
            <translation>Pobierz informacje o urządzeniu</translation>
        </message>
        <message>
            <source>Load drying profile</source>
            <translation>Odczytaj profil suszenia</translation>
        </message>
        <message>
            <source>Load drying time</source>
            <translation>Odczytaj czas suszenia</translation>
        </message>
        <message>
            <source>Load fast profile parameter: temperature</source>
            <translation>Odczytaj parametr profilu szybkiego: temperatura</translation>
        </message>
        <message>
            <source>Load fast profile parameter: time</source>
            <translation>Odczytaj parametr profilu szybkiego: czas</translation>
        </message>
        <message>
            <source>Load humidity calculation formula</source>
            <translation>Odczytaj wzór obliczania wilgotności</translation>
        </message>
        <message>
            <source>Load main temperature</source>
            <translation>Odczytaj temperaturę główną</translation>
        </message>
        <message>
            <source>Load qualifying samples count</source>
            <translation>Odczytaj liczbę próbek kwalifikujących</translation>
        </message>
        <message>
            <source>Load sampling time</source>
            <translation>Odczytaj czas próbkowania</translation>
        </message>
        <message>
            <source>Load slow profile parameter: drying time</source>
            <translation>Odczytaj parametr profilu łagodnego: czas suszenia</translation>
        </message>
        <message>
            <source>Load step profile parameter: step 1 temperature</source>
            <translation>Odczytaj parametr profilu schodkowego: temperatura kroku 1</translation>
        </message>
        <message>
            <source>Load step profile parameter: step 1 time</source>
            <translation>Odczytaj parametr profilu schodkowego: czas kroku 1</translation>
        </message>
        <message>
            <source>Load step profile parameter: step 2 temperature</source>
            <translation>Odczytaj parametr profilu schodkowego: temperatura kroku 2</translation>
        </message>
        <message>
            <source>Load step profile parameter: step 2 time</source>
            <translation>Odczytaj parametr profilu schodkowego: czas kroku 2</translation>
        </message>
        <message>
            <source>Load work mode</source>
            <translation>Odczytaj tryb pracy</translation>
        </message>
        <message>
            <source>Read from memory slot</source>
            <translation>Odczytaj z komórki pamięci</translation>
        </message>
        <message>
            <source>Set drying profile</source>
            <translation>Ustaw profil suszenia</translation>
        </message>
        <message>
            <source>Set drying time</source>
            <translation>Ustaw czas suszenia</translation>
        </message>
        <message>
            <source>Set fast profile parameter: temperature</source>
            <translation>Ustaw parametr profilu szybkiego: temperatura</translation>
        </message>
        <message>
            <source>Set fast profile parameter: time</source>
            <translation>Ustaw parametr profilu szybkiego: czas</translation>
        </message>
        <message>
            <source>Set humidity calculation formula</source>
            <translation>Ustaw wzór obliczania wilgotności</translation>
        </message>
        <message>
            <source>Set main temperature</source>
            <translation>Ustaw temperaturę główną</translation>
        </message>
        <message>
            <source>Set qualifying samples count</source>
            <translation>Ustaw liczbę próbek kwalifikujących</translation>
        </message>
        <message>
            <source>Set sampling time</source>
            <translation>Ustaw czas próbkowania</translation>
        </message>
        <message>
            <source>Set slow profile parameter: drying time</source>
            <translation>Ustaw parametr profilu łagodnego: czas suszenia</translation>
        </message>
        <message>
            <source>Set step profile parameter: step 1 temperature</source>
            <translation>Ustaw parametr profilu schodkowego: temperatura kroku 1</translation>
        </message>
        <message>
            <source>Set step profile parameter: step 1 time</source>
            <translation>Ustaw parametr profilu schodkowego: czas kroku 1</translation>
        </message>
        <message>
            <source>Set step profile parameter: step 2 temperature</source>
            <translation>Ustaw parametr profilu schodkowego: temperatura kroku 2</translation>
        </message>
        <message>
            <source>Set step profile parameter: step 2 time</source>
            <translation>Ustaw parametr profilu schodkowego: czas kroku 2</translation>
        </message>
        <message>
            <source>Set work mode</source>
            <translation>Ustaw tryb pracy</translation>
        </message>
        <message>
            <source>Start drying</source>
            <translation>Rozpocznij suszenie</translation>
        </message>
        <message>
            <source>Stop drying</source>
            <translation>Zatrzymaj suszenie</translation>
        </message>
        <message>
            <source>Write to memory slot</source>
            <translation>Zapisz do komórki pamięci</translation>
        </message>
    </context>
</TS>
