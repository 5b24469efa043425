<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Settings are not being saved">
        <source></source>
        <translation>Die Einstellungen werden nicht gespeichert</translation>
    </message>
    <message id="Enter a number.">
        <source></source>
        <translation>Geben Sie eine Zahl ein.</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Kopieren</translation>
    </message>
    <message id="Copy All">
        <source></source>
        <translation>Alles kopieren</translation>
    </message>
    <message id="%1 is not a settings file">
        <source></source>
        <translation>%1 ist keine Einstellungsdatei</translation>
    </message>
    <message id="settings not read: %1; starting from the defaults, and the file is left as it is">
        <source></source>
        <translation>Einstellungen nicht gelesen: %1; es geht mit den Voreinstellungen weiter, und die Datei bleibt unverändert</translation>
    </message>
    <message id="the folder of %1, %2, cannot be examined: %3">
        <source></source>
        <translation>der Ordner von %1, %2, lässt sich nicht prüfen: %3</translation>
    </message>
    <message id="the folder of %1, %2, is a link that belongs to another user">
        <source></source>
        <translation>der Ordner von %1, %2, ist eine Verknüpfung, die einem anderen Benutzer gehört</translation>
    </message>
    <message id="the folder of %1, %2, is not a folder">
        <source></source>
        <translation>der Ordner von %1, %2, ist kein Ordner</translation>
    </message>
    <message id="the folder of %1, %2, belongs to another user">
        <source></source>
        <translation>der Ordner von %1, %2, gehört einem anderen Benutzer</translation>
    </message>
    <message id="%1 cannot be examined: %2">
        <source></source>
        <translation>%1 lässt sich nicht prüfen: %2</translation>
    </message>
    <message id="%1 leads through too many links">
        <source></source>
        <translation>%1 führt über zu viele Verknüpfungen</translation>
    </message>
    <message id="%1 cannot be followed: %2">
        <source></source>
        <translation>%1 lässt sich nicht verfolgen: %2</translation>
    </message>
    <message id="%1 is not a regular file">
        <source></source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message id="%1 cannot be opened: %2">
        <source></source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message id="%1 belongs to another user">
        <source></source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message id="%1 is larger than 1 MiB">
        <source></source>
        <translation>%1 ist größer als 1 MiB</translation>
    </message>
    <message id="%1 cannot be read: %2">
        <source></source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message id="cannot create a file beside %1: %2">
        <source></source>
        <translation>neben %1 lässt sich keine Datei anlegen: %2</translation>
    </message>
    <message id="cannot keep the permissions of %1: %2">
        <source></source>
        <translation>die Zugriffsrechte von %1 lassen sich nicht erhalten: %2</translation>
    </message>
    <message id="cannot write %1: %2">
        <source></source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message id="cannot write %1 to disk: %2">
        <source></source>
        <translation>%1 lässt sich nicht auf den Datenträger schreiben: %2</translation>
    </message>
    <message id="gave up replacing %1: %2">
        <source></source>
        <translation>das Ersetzen von %1 wurde aufgegeben: %2</translation>
    </message>
    <message id="cannot replace %1: %2">
        <source></source>
        <translation>%1 lässt sich nicht ersetzen: %2</translation>
    </message>
    <message id="cannot sync the folder of %1: %2">
        <source></source>
        <translation>der Ordner von %1 lässt sich nicht synchronisieren: %2</translation>
    </message>
    <message id="cannot create the lock: %1: %2">
        <source></source>
        <translation>die Sperre lässt sich nicht anlegen: %1: %2</translation>
    </message>
    <message id="cannot create the lock: %1 is not a regular file">
        <source></source>
        <translation>die Sperre lässt sich nicht anlegen: %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message id="cannot take the lock %1: %2">
        <source></source>
        <translation>die Sperre %1 lässt sich nicht setzen: %2</translation>
    </message>
    <message id="cannot create the folder %1: %2">
        <source></source>
        <translation>der Ordner %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message id="the disk took longer than %1 ms">
        <source></source>
        <translation>der Datenträger brauchte länger als %1 ms</translation>
    </message>
    <message id="settings not saved: %1">
        <source></source>
        <translation>Einstellungen nicht gespeichert: %1</translation>
    </message>
    <message id="%1, and it is left as it is">
        <source></source>
        <translation>%1, und die Datei bleibt unverändert</translation>
    </message>
    <message id="Female">
        <source></source>
        <translation>Weiblich</translation>
    </message>
    <message id="Waist:">
        <source></source>
        <translation>Taille:</translation>
    </message>
    <message id="Inches">
        <source></source>
        <translation>Zoll</translation>
    </message>
    <message id="Weight:">
        <source></source>
        <translation>Gewicht:</translation>
    </message>
    <message id="Lbs">
        <source></source>
        <translation>lb</translation>
    </message>
    <message id="Metric">
        <source></source>
        <translation>Metrisch</translation>
    </message>
    <message id="Height:">
        <source></source>
        <translation>Größe:</translation>
    </message>
    <message id="About">
        <source></source>
        <translation>Über</translation>
    </message>
    <message id="Tools">
        <source></source>
        <translation>Extras</translation>
    </message>
    <message id="Qty">
        <source></source>
        <translation>Kennzahl</translation>
    </message>
    <message id="Result">
        <source></source>
        <translation>Ergebnis</translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation>Einheit</translation>
    </message>
    <message id="Description">
        <source></source>
        <translation>Bewertung</translation>
    </message>
    <message id="Fat Percentage">
        <source></source>
        <translation>Fettanteil</translation>
    </message>
    <message id="Fat Body Mass">
        <source></source>
        <translation>Fettmasse</translation>
    </message>
    <message id="Lean Body Mass">
        <source></source>
        <translation>Magermasse</translation>
    </message>
    <message id="Rest Metabolic Rate">
        <source></source>
        <translation>Ruheumsatz</translation>
    </message>
    <message id="Body Mass Index">
        <source></source>
        <translation>Body-Mass-Index</translation>
    </message>
    <message id="What each row shows; its tool tip says how it is computed.">
        <source></source>
        <translation>Was jede Zeile zeigt; ihr Tooltipp sagt, wie es berechnet wird.</translation>
    </message>
    <message id="The figure, to two decimals.">
        <source></source>
        <translation>Der Wert, auf zwei Nachkommastellen.</translation>
    </message>
    <message id="The figure's unit.">
        <source></source>
        <translation>Die Einheit des Werts.</translation>
    </message>
    <message id="The band the figure falls in.">
        <source></source>
        <translation>Der Bereich, in den der Wert fällt.</translation>
    </message>
    <message id="Waist">
        <source></source>
        <translation>Taille</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Gewicht</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Größe</translation>
    </message>
    <message id="Kg">
        <source></source>
        <translation>kg</translation>
    </message>
    <message id="%">
        <source></source>
        <translation>%</translation>
    </message>
    <message id="Cals">
        <source></source>
        <translation>kcal</translation>
    </message>
    <message id="Results">
        <source></source>
        <translation>Ergebnisse</translation>
    </message>
    <message id="cm">
        <source></source>
        <translation>cm</translation>
    </message>
    <message id="inches">
        <source></source>
        <translation>Zoll</translation>
    </message>
    <message id="kilograms">
        <source></source>
        <translation>Kilogramm</translation>
    </message>
    <message id="pounds">
        <source></source>
        <translation>Pfund</translation>
    </message>
    <message id="%1: enter a number. The figures are those of the last valid entry.">
        <source></source>
        <translation>%1: Geben Sie eine Zahl ein. Die Werte sind die der letzten gültigen Eingabe.</translation>
    </message>
    <message id="Very Low">
        <source></source>
        <translation>Sehr niedrig</translation>
    </message>
    <message id="Low">
        <source></source>
        <translation>Niedrig</translation>
    </message>
    <message id="Average">
        <source></source>
        <translation>Durchschnittlich</translation>
    </message>
    <message id="High">
        <source></source>
        <translation>Hoch</translation>
    </message>
    <message id="Very High">
        <source></source>
        <translation>Sehr hoch</translation>
    </message>
    <message id="Underweight">
        <source></source>
        <translation>Untergewicht</translation>
    </message>
    <message id="Normal">
        <source></source>
        <translation>Normalgewicht</translation>
    </message>
    <message id="Overweight">
        <source></source>
        <translation>Übergewicht</translation>
    </message>
    <message id="Obese">
        <source></source>
        <translation>Adipositas</translation>
    </message>
    <message id="An estimate from a simple formula, not medical advice.">
        <source></source>
        <translation>Eine Schätzung nach einer einfachen Formel, kein ärztlicher Rat.</translation>
    </message>
    <message id="%1 above %2">
        <source></source>
        <translation>%1 über %2</translation>
    </message>
    <message id="%1 up to %2">
        <source></source>
        <translation>%1 bis %2</translation>
    </message>
    <message id="%1 (this figure)">
        <source></source>
        <translation>%1 (dieser Wert)</translation>
    </message>
    <message id="centimetres">
        <source></source>
        <translation>Zentimeter</translation>
    </message>
    <message id="The share of your weight that is fat: fat body mass divided by weight, times 100. %1">
        <source></source>
        <translation>Der Anteil Ihres Gewichts, der Fett ist: Fettmasse geteilt durch Gewicht, mal 100. %1</translation>
    </message>
    <message id="A woman's bands: %1">
        <source></source>
        <translation>Bereiche für Frauen: %1</translation>
    </message>
    <message id="A man's bands: %1">
        <source></source>
        <translation>Bereiche für Männer: %1</translation>
    </message>
    <message id="The part of your weight that is fat: weight less lean body mass, in %1.">
        <source></source>
        <translation>Der Teil Ihres Gewichts, der Fett ist: Gewicht minus Magermasse, in %1.</translation>
    </message>
    <message id="The part of your weight that is not fat: 1.082 times weight, less 4.15 times waist, plus 98.42 for a man or 76.76 for a woman, from pounds and inches; in %1.">
        <source></source>
        <translation>Der Teil Ihres Gewichts, der nicht Fett ist: 1,082 mal Gewicht, minus 4,15 mal Taille, plus 98,42 bei Männern oder 76,76 bei Frauen, aus Pfund und Zoll; in %1.</translation>
    </message>
    <message id="The calories a day your body uses at rest: 13.83 for each pound of lean body mass.">
        <source></source>
        <translation>Die Kalorien, die Ihr Körper am Tag in Ruhe verbraucht: 13,83 je Pfund Magermasse.</translation>
    </message>
    <message id="Weight for height: weight divided by the square of height, times 703, from pounds and inches (a metric entry, converted with 2.56 cm to the inch, gives about 1.4 % more than kg/m²). Bands: %1">
        <source></source>
        <translation>Gewicht im Verhältnis zur Größe: Gewicht geteilt durch das Quadrat der Größe, mal 703, aus Pfund und Zoll (eine metrische Eingabe, umgerechnet mit 2,56 cm je Zoll, ergibt etwa 1,4 % mehr als kg/m²). Bereiche: %1</translation>
    </message>
    <message id="Your waist: measure around it at the navel, in %1.">
        <source></source>
        <translation>Ihre Taille: rundum in Höhe des Nabels gemessen, in %1.</translation>
    </message>
    <message id="Your weight, in %1.">
        <source></source>
        <translation>Ihr Gewicht, in %1.</translation>
    </message>
    <message id="Your height, without shoes, in %1.">
        <source></source>
        <translation>Ihre Größe, ohne Schuhe, in %1.</translation>
    </message>
    <message id="The figures are estimates from simple formulas, not medical advice.">
        <source></source>
        <translation>Die Werte sind Schätzungen nach einfachen Formeln, kein ärztlicher Rat.</translation>
    </message>
    <message id="window size not saved: %1">
        <source></source>
        <translation>Fenstergröße nicht gespeichert: %1</translation>
    </message>
    <message id="closing without the window size saved (%1); the file is left as it was">
        <source></source>
        <translation>Ende ohne gespeicherte Fenstergröße (%1); die Datei bleibt, wie sie war</translation>
    </message>
    <message id="closing before the disk confirmed the window size (%1); the file holds either it or the size before">
        <source></source>
        <translation>Ende, bevor der Datenträger die Fenstergröße bestätigt hat (%1); die Datei enthält entweder sie oder die Größe davor</translation>
    </message>
    <message id="closing without the last values saved (%1); the file is left as it was">
        <source></source>
        <translation>Ende ohne die letzten Werte gespeichert (%1); die Datei bleibt, wie sie war</translation>
    </message>
    <message id="closing before the disk confirmed the last values (%1); the file holds either them or the values before">
        <source></source>
        <translation>Ende, bevor der Datenträger die letzten Werte bestätigt hat (%1); die Datei enthält entweder sie oder die Werte davor</translation>
    </message>
    <message id="window size not read: %1; the window opens at its own size, and the file is left as it is">
        <source></source>
        <translation>Fenstergröße nicht gelesen: %1; das Fenster öffnet in seiner eigenen Größe, und die Datei bleibt unverändert</translation>
    </message>
    <message id="%1 leads through a link, %2, that belongs to another user">
        <source></source>
        <translation>%1 führt über eine Verknüpfung, %2, die einem anderen Benutzer gehört</translation>
    </message>
    <message id="%1 is a file that belongs to another user">
        <source></source>
        <translation>%1 ist eine Datei, die einem anderen Benutzer gehört</translation>
    </message>
    <message id="; the window goes on working">
        <source></source>
        <translation>; das Fenster arbeitet weiter</translation>
    </message>
    <message id="no company key was named for the profile">
        <source></source>
        <translation>für das Profil wurde kein Firmenschlüssel genannt</translation>
    </message>
    <message id="the file is locked by a running program (%1)">
        <source></source>
        <translation>die Datei ist von einem laufenden Programm gesperrt (%1)</translation>
    </message>
    <message id="the values cannot be changed in %1 without changing its other values">
        <source></source>
        <translation>die Werte lassen sich in %1 nicht ändern, ohne seine anderen Werte zu ändern</translation>
    </message>
    <message id="the file would grow past 1 MiB">
        <source></source>
        <translation>die Datei würde größer als 1 MiB</translation>
    </message>
</context>
</TS>
