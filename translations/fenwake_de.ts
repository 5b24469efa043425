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
    <message id="Usage: %1 [Qt's options, such as -platform xcb or -style Fusion]">
        <source></source>
        <translation>Aufruf: %1 [Optionen von Qt, etwa -platform xcb oder -style Fusion]</translation>
    </message>
    <message id="fenwake: %1 is no argument Fenwake takes (fenwake --help says which)">
        <source></source>
        <translation>fenwake: %1 ist kein Argument, das Fenwake annimmt (fenwake --help nennt sie)</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Schließen</translation>
    </message>
    <message id="Help">
        <source></source>
        <translation>Hilfe</translation>
    </message>
    <message id="up to %1">
        <source></source>
        <translation>bis %1</translation>
    </message>
    <message id="above %1">
        <source></source>
        <translation>über %1</translation>
    </message>
    <message id="The part of your weight that is not fat: 1.082 times weight, less 4.15 times waist, plus 98.42 for a man or 76.76 for a woman, from pounds and inches.">
        <source></source>
        <translation>Der Teil Ihres Gewichts, der kein Fett ist: 1,082 mal Gewicht, weniger 4,15 mal Taille, plus 98,42 für einen Mann oder 76,76 für eine Frau, aus Pfund und Zoll.</translation>
    </message>
    <message id="The part of your weight that is fat: weight less lean body mass.">
        <source></source>
        <translation>Der Teil Ihres Gewichts, der Fett ist: Gewicht weniger Magermasse.</translation>
    </message>
    <message id="The share of your weight that is fat: fat body mass divided by weight, times 100.">
        <source></source>
        <translation>Der Anteil Ihres Gewichts, der Fett ist: Fettmasse geteilt durch Gewicht, mal 100.</translation>
    </message>
    <message id="Weight for height: weight divided by the square of height, times 703, from pounds and inches.">
        <source></source>
        <translation>Gewicht zur Größe: Gewicht geteilt durch das Quadrat der Größe, mal 703, aus Pfund und Zoll.</translation>
    </message>
    <message id="The figures">
        <source></source>
        <translation>Die Werte</translation>
    </message>
    <message id="Every figure is an estimate from a simple formula, not medical advice. The lean body mass comes first; the others follow from it and from what you typed.">
        <source></source>
        <translation>Jeder Wert ist eine Schätzung nach einer einfachen Formel, kein ärztlicher Rat. Zuerst kommt die Magermasse; die anderen folgen aus ihr und aus Ihren Eingaben.</translation>
    </message>
    <message id="Figure">
        <source></source>
        <translation>Wert</translation>
    </message>
    <message id="What it is, and how it is computed">
        <source></source>
        <translation>Was er ist und wie er berechnet wird</translation>
    </message>
    <message id="a man">
        <source></source>
        <translation>ein Mann</translation>
    </message>
    <message id="a woman">
        <source></source>
        <translation>eine Frau</translation>
    </message>
    <message id="everyone">
        <source></source>
        <translation>alle</translation>
    </message>
    <message id="The bands">
        <source></source>
        <translation>Die Bereiche</translation>
    </message>
    <message id="The fat percentage is rated by bands for your sex, the body mass index by the same bands for everyone. A value on an edge belongs to the lower band; a figure that is no number gets no band.">
        <source></source>
        <translation>Der Fettanteil wird nach Bereichen für Ihr Geschlecht bewertet, der Body-Mass-Index nach denselben Bereichen für alle. Ein Wert auf einer Grenze gehört zum unteren Bereich; ein Wert, der keine Zahl ist, bekommt keinen Bereich.</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Einheiten</translation>
    </message>
    <message id="Without Metric, waist and height are in inches and the weight in pounds; with Metric ticked, in centimetres and kilograms. Ticking or clearing Metric converts what you typed.">
        <source></source>
        <translation>Ohne Metrisch sind Taille und Größe in Zoll und das Gewicht in Pfund; mit Metrisch in Zentimetern und Kilogramm. Metrisch an- oder abzuhaken rechnet Ihre Eingaben um.</translation>
    </message>
    <message id="Fenwake converts with its own factors: %1 centimetres to the inch and %2 pounds to the kilogram. Everything is computed in pounds and inches, and the two masses are turned back into kilograms.">
        <source></source>
        <translation>Fenwake rechnet mit eigenen Faktoren um: %1 Zentimeter je Zoll und %2 Pfund je Kilogramm. Alles wird in Pfund und Zoll berechnet, und die beiden Massen werden zurück in Kilogramm umgerechnet.</translation>
    </message>
    <message id="Because the inch is taken as %1 centimetres, a metric body mass index reads about %2 % above kg/m²: 703 times %3, divided by %4 squared times 10,000, is %5.">
        <source></source>
        <translation>Weil der Zoll als %1 Zentimeter gilt, liegt ein metrischer Body-Mass-Index etwa %2 % über kg/m²: 703 mal %3, geteilt durch %4 zum Quadrat mal 10.000, ist %5.</translation>
    </message>
    <message id="A field that holds no number">
        <source></source>
        <translation>Ein Feld ohne Zahl</translation>
    </message>
    <message id="While a field holds something that is no number (a minus sign alone, say, or a letter), it is framed in red, a line at the foot of the window names it, and the list keeps the figures of the last number, dimmed. Nothing of it is stored. All of it goes as soon as the text is a number again. A comma is taken as the decimal point when there is no point.">
        <source></source>
        <translation>Solange ein Feld etwas enthält, das keine Zahl ist (etwa ein Minuszeichen allein oder einen Buchstaben), ist es rot umrahmt, eine Zeile am Fuß des Fensters nennt es, und die Liste behält die Werte der letzten Zahl, abgeblendet. Davon wird nichts gespeichert. All das verschwindet, sobald der Text wieder eine Zahl ist. Ein Komma gilt als Dezimaltrennzeichen, wenn es keinen Punkt gibt.</translation>
    </message>
    <message id="A weight or a height of 0 gives figures that are no numbers: the list shows inf, -inf or nan, and no band.">
        <source></source>
        <translation>Ein Gewicht oder eine Größe von 0 ergibt Werte, die keine Zahlen sind: Die Liste zeigt inf, -inf oder nan und keinen Bereich.</translation>
    </message>
    <message id="Where your values are kept">
        <source></source>
        <translation>Wo Ihre Werte gespeichert werden</translation>
    </message>
    <message id="What you type is stored at once in %1, and Fenwake opens with it next time. The window's size is kept in %2. You may edit the settings file by hand; to start afresh, close Fenwake and delete it.">
        <source></source>
        <translation>Was Sie eingeben, wird sofort in %1 gespeichert, und Fenwake öffnet beim nächsten Mal damit. Die Fenstergröße steht in %2. Sie dürfen die Einstellungsdatei von Hand bearbeiten; um neu zu beginnen, schließen Sie Fenwake und löschen sie.</translation>
    </message>
    <message id="Tab, Shift+Tab">
        <source></source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message id="The next or the previous field, box or list.">
        <source></source>
        <translation>Das nächste oder vorige Feld, Kästchen oder die Liste.</translation>
    </message>
    <message id="Alt and an underlined letter">
        <source></source>
        <translation>Alt und ein unterstrichener Buchstabe</translation>
    </message>
    <message id="The field or box of that letter.">
        <source></source>
        <translation>Das Feld oder Kästchen dieses Buchstabens.</translation>
    </message>
    <message id="Space">
        <source></source>
        <translation>Leertaste</translation>
    </message>
    <message id="Ticks or clears the box with the focus.">
        <source></source>
        <translation>Hakt das Kästchen mit dem Fokus an oder ab.</translation>
    </message>
    <message id="F10, or Alt and the menu's letter">
        <source></source>
        <translation>F10, oder Alt und der Buchstabe des Menüs</translation>
    </message>
    <message id="Opens the Tools menu.">
        <source></source>
        <translation>Öffnet das Menü Extras.</translation>
    </message>
    <message id="F1">
        <source></source>
        <translation>F1</translation>
    </message>
    <message id="This help.">
        <source></source>
        <translation>Diese Hilfe.</translation>
    </message>
    <message id="Shift+F1, Ctrl+F1">
        <source></source>
        <translation>Umschalt+F1, Strg+F1</translation>
    </message>
    <message id="What the field, box or list row with the focus means, and for a figure how it is computed.">
        <source></source>
        <translation>Was das Feld, Kästchen oder die Listenzeile mit dem Fokus bedeutet, und bei einem Wert, wie er berechnet wird.</translation>
    </message>
    <message id="Up, Down">
        <source></source>
        <translation>Auf, Ab</translation>
    </message>
    <message id="In the list: from row to row.">
        <source></source>
        <translation>In der Liste: von Zeile zu Zeile.</translation>
    </message>
    <message id="Ctrl+A, Ctrl+C">
        <source></source>
        <translation>Strg+A, Strg+C</translation>
    </message>
    <message id="In the list: select every row; copy the selected rows, or all of them when none is selected, with the date and your entries.">
        <source></source>
        <translation>In der Liste: alle Zeilen auswählen; die ausgewählten Zeilen kopieren, oder alle, wenn keine ausgewählt ist, mit dem Datum und Ihren Eingaben.</translation>
    </message>
    <message id="Menu key, Shift+F10">
        <source></source>
        <translation>Menütaste, Umschalt+F10</translation>
    </message>
    <message id="In the list: Copy and Copy All.">
        <source></source>
        <translation>In der Liste: Kopieren und Alles kopieren.</translation>
    </message>
    <message id="Escape, Ctrl+W, Ctrl+Q">
        <source></source>
        <translation>Esc, Strg+W, Strg+Q</translation>
    </message>
    <message id="Closes Fenwake. Everything you typed is kept. In this help and in the history, Escape and Ctrl+W close that window alone.">
        <source></source>
        <translation>Schließt Fenwake. Alles, was Sie eingegeben haben, bleibt erhalten. In dieser Hilfe und im Verlauf schließen Esc und Strg+W nur dieses Fenster.</translation>
    </message>
    <message id="Keys">
        <source></source>
        <translation>Tasten</translation>
    </message>
    <message id="Key">
        <source></source>
        <translation>Taste</translation>
    </message>
    <message id="What it does">
        <source></source>
        <translation>Was sie tut</translation>
    </message>
    <message id="Fenwake Help">
        <source></source>
        <translation>Fenwake-Hilfe</translation>
    </message>
    <message id="Fenwake estimates your body composition from your waist, weight and height. Type them, tick Female and Metric as they apply, and the five figures follow each key you press.">
        <source></source>
        <translation>Fenwake schätzt Ihre Körperzusammensetzung aus Taille, Gewicht und Größe. Geben Sie sie ein, haken Sie Weiblich und Metrisch an, wenn es zutrifft, und die fünf Werte folgen jeder Taste, die Sie drücken.</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Ja</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Nein</translation>
    </message>
    <message id="Fenwake estimates your body composition from your waist, weight and height: body-fat percentage with a rating, fat mass, lean mass, rest metabolic rate and body mass index with its category. Every value you type is kept, and Fenwake opens with it next time.">
        <source></source>
        <translation>Fenwake schätzt Ihre Körperzusammensetzung aus Taille, Gewicht und Größe: Körperfettanteil mit Bewertung, Fettmasse, Magermasse, Ruheumsatz und Body-Mass-Index mit seiner Kategorie. Jeder Wert, den Sie eingeben, bleibt erhalten, und Fenwake öffnet beim nächsten Mal damit.</translation>
    </message>
    <message id="Your settings: %1">
        <source></source>
        <translation>Ihre Einstellungen: %1</translation>
    </message>
    <message id="The window's size: %1">
        <source></source>
        <translation>Die Fenstergröße: %1</translation>
    </message>
    <message id="Fenwake takes no other arguments: --help prints this, --version its version.">
        <source></source>
        <translation>Fenwake nimmt keine anderen Argumente an: --help gibt dies aus, --version seine Version.</translation>
    </message>
    <message id="Neck:">
        <source></source>
        <translation>Hals:</translation>
    </message>
    <message id="Hip:">
        <source></source>
        <translation>Hüfte:</translation>
    </message>
    <message id="Method">
        <source></source>
        <translation>Methode</translation>
    </message>
    <message id="Waist and Weight">
        <source></source>
        <translation>Taille und Gewicht</translation>
    </message>
    <message id="US Navy">
        <source></source>
        <translation>US Navy</translation>
    </message>
    <message id="Relative Fat Mass">
        <source></source>
        <translation>Relative Fettmasse</translation>
    </message>
    <message id="Waist and weight, and your sex.">
        <source></source>
        <translation>Taille und Gewicht, und Ihr Geschlecht.</translation>
    </message>
    <message id="Fenwake's own formula, from the lean body mass (the figures above). The one used unless you choose another.">
        <source></source>
        <translation>Fenwakes eigene Formel, aus der Magermasse (die Werte oben). Sie gilt, solange Sie keine andere wählen.</translation>
    </message>
    <message id="Waist, neck and height, and the hip for a woman.">
        <source></source>
        <translation>Taille, Hals und Größe, und die Hüfte bei einer Frau.</translation>
    </message>
    <message id="Hodgdon and Beckett, 1984; against underwater weighing it agreed with R 0.90 for men and 0.85 for women, within about 3.5 to 3.7 points.">
        <source></source>
        <translation>Hodgdon und Beckett, 1984; verglichen mit Unterwasserwiegen stimmte sie mit R 0,90 bei Männern und 0,85 bei Frauen überein, auf etwa 3,5 bis 3,7 Punkte genau.</translation>
    </message>
    <message id="Height and waist.">
        <source></source>
        <translation>Größe und Taille.</translation>
    </message>
    <message id="Woolcott and Bergman, 2018; developed on 12,581 adults and checked on 3,456 others against DXA scans.">
        <source></source>
        <translation>Woolcott und Bergman, 2018; an 12.581 Erwachsenen entwickelt und an 3.456 weiteren mit DXA-Messungen geprüft.</translation>
    </message>
    <message id="Methods of the fat estimate">
        <source></source>
        <translation>Methoden der Fettschätzung</translation>
    </message>
    <message id="Tools, Method chooses how the fat percentage is estimated; the masses, the rate and the band follow from it. The US Navy method shows two more fields, Neck and Hip, under Height. Whatever the method, the fat percentage's explanation (Shift+F1 on its row) lists what every method your entries allow gives, so that you see how far they differ.">
        <source></source>
        <translation>Extras, Methode wählt, wie der Fettanteil geschätzt wird; die Massen, der Umsatz und der Bereich folgen daraus. Die US-Navy-Methode zeigt unter Größe zwei weitere Felder, Hals und Hüfte. Welche Methode auch gilt, die Erklärung des Fettanteils (Umschalt+F1 auf seiner Zeile) nennt, was jede Methode ergibt, die Ihre Eingaben erlauben, damit Sie sehen, wie weit sie auseinanderliegen.</translation>
    </message>
    <message id="What it needs">
        <source></source>
        <translation>Was sie braucht</translation>
    </message>
    <message id="Where it comes from">
        <source></source>
        <translation>Woher sie stammt</translation>
    </message>
    <message id="Neck">
        <source></source>
        <translation>Hals</translation>
    </message>
    <message id="Hip">
        <source></source>
        <translation>Hüfte</translation>
    </message>
    <message id="The US Navy method takes the hip for a woman alone: for a man it is not used.">
        <source></source>
        <translation>Die US-Navy-Methode nimmt die Hüfte nur bei einer Frau: bei einem Mann wird sie nicht verwendet.</translation>
    </message>
    <message id="By the US Navy method (Hodgdon and Beckett, 1984): 163.205 times the logarithm of waist plus hip less neck, less 97.684 times the logarithm of height, less 78.387, from inches.">
        <source></source>
        <translation>Nach der US-Navy-Methode (Hodgdon und Beckett, 1984): 163,205 mal der Logarithmus von Taille plus Hüfte weniger Hals, weniger 97,684 mal der Logarithmus der Größe, weniger 78,387, aus Zoll.</translation>
    </message>
    <message id="By the US Navy method (Hodgdon and Beckett, 1984): 86.010 times the logarithm of waist less neck, less 70.041 times the logarithm of height, plus 36.76, from inches.">
        <source></source>
        <translation>Nach der US-Navy-Methode (Hodgdon und Beckett, 1984): 86,010 mal der Logarithmus von Taille weniger Hals, weniger 70,041 mal der Logarithmus der Größe, plus 36,76, aus Zoll.</translation>
    </message>
    <message id="By relative fat mass (Woolcott and Bergman, 2018): 64 less 20 times height divided by waist, plus 12 for a woman.">
        <source></source>
        <translation>Nach der relativen Fettmasse (Woolcott und Bergman, 2018): 64 weniger 20 mal Größe geteilt durch Taille, plus 12 bei einer Frau.</translation>
    </message>
    <message id="relative fat mass">
        <source></source>
        <translation>relative Fettmasse</translation>
    </message>
    <message id="waist and weight">
        <source></source>
        <translation>Taille und Gewicht</translation>
    </message>
    <message id="%1 %2 %">
        <source></source>
        <translation>%1 %2 %</translation>
    </message>
    <message id="The methods' estimates: %1.">
        <source></source>
        <translation>Die Schätzungen der Methoden: %1.</translation>
    </message>
    <message id="Relative fat mass">
        <source></source>
        <translation>Relative Fettmasse</translation>
    </message>
    <message id="Waist and weight">
        <source></source>
        <translation>Taille und Gewicht</translation>
    </message>
    <message id="by the US Navy method">
        <source></source>
        <translation>nach der US-Navy-Methode</translation>
    </message>
    <message id="by relative fat mass">
        <source></source>
        <translation>nach der relativen Fettmasse</translation>
    </message>
    <message id="by waist and weight">
        <source></source>
        <translation>nach Taille und Gewicht</translation>
    </message>
    <message id="The part of your weight that is fat: weight times the fat percentage, divided by 100, in %1.">
        <source></source>
        <translation>Der Teil Ihres Gewichts, der Fett ist: Gewicht mal Fettanteil, geteilt durch 100, in %1.</translation>
    </message>
    <message id="The part of your weight that is not fat: weight less fat body mass, in %1.">
        <source></source>
        <translation>Der Teil Ihres Gewichts, der kein Fett ist: Gewicht weniger Fettmasse, in %1.</translation>
    </message>
    <message id="Your neck: measure around it just below the larynx, in %1. The US Navy method needs it.">
        <source></source>
        <translation>Ihr Hals: gemessen knapp unter dem Kehlkopf, in %1. Die US-Navy-Methode braucht ihn.</translation>
    </message>
    <message id="Your hip: measure around it at its widest, in %1. The US Navy method needs it for a woman.">
        <source></source>
        <translation>Ihre Hüfte: gemessen an der breitesten Stelle, in %1. Die US-Navy-Methode braucht sie bei einer Frau.</translation>
    </message>
    <message id="the units “%1” are neither metric nor imperial">
        <source></source>
        <translation>die Einheiten „%1“ sind weder metric noch imperial</translation>
    </message>
    <message id="Female is “%1”, not yes or no">
        <source></source>
        <translation>Female ist „%1“, nicht yes oder no</translation>
    </message>
    <message id="the method “%1” is none of YMCA, Navy and RFM">
        <source></source>
        <translation>die Methode „%1“ ist keine von YMCA, Navy und RFM</translation>
    </message>
    <message id="%1 “%2” is not a number">
        <source></source>
        <translation>%1 „%2“ ist keine Zahl</translation>
    </message>
    <message id="it is larger than any history could be">
        <source></source>
        <translation>sie ist größer, als ein Verlauf je sein könnte</translation>
    </message>
    <message id="it is empty">
        <source></source>
        <translation>sie ist leer</translation>
    </message>
    <message id="%1 is a link to a file of another user's, or to nothing">
        <source></source>
        <translation>%1 ist ein Verweis auf eine Datei eines anderen Benutzers oder ins Leere</translation>
    </message>
    <message id="%1 is not a file">
        <source></source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message id="%1 is no history of Fenwake's: not an SQLite database">
        <source></source>
        <translation>%1 ist kein Verlauf von Fenwake: keine SQLite-Datenbank</translation>
    </message>
    <message id="cannot make the folder of %1: %2">
        <source></source>
        <translation>der Ordner von %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message id="cannot open %1: %2">
        <source></source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message id="cannot read %1: %2">
        <source></source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message id="%1 is damaged: %2">
        <source></source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message id="%1 is another program's database">
        <source></source>
        <translation>%1 ist die Datenbank eines anderen Programms</translation>
    </message>
    <message id="%1 was made by a newer Fenwake">
        <source></source>
        <translation>%1 stammt von einem neueren Fenwake</translation>
    </message>
    <message id="%1 is larger than any history could be">
        <source></source>
        <translation>%1 ist größer, als ein Verlauf je sein könnte</translation>
    </message>
    <message id="Add to History">
        <source></source>
        <translation>Zum Verlauf hinzufügen</translation>
    </message>
    <message id="History…">
        <source></source>
        <translation>Verlauf…</translation>
    </message>
    <message id="CSV files (*.csv)">
        <source></source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message id="in">
        <source></source>
        <translation>Zoll</translation>
    </message>
    <message id="Fenwake History">
        <source></source>
        <translation>Fenwake-Verlauf</translation>
    </message>
    <message id="Export…">
        <source></source>
        <translation>Exportieren…</translation>
    </message>
    <message id="Writes the selected entries, or every entry when none is selected, to a CSV file that spreadsheets and other trackers read.">
        <source></source>
        <translation>Schreibt die ausgewählten Einträge, oder alle, wenn keiner ausgewählt ist, in eine CSV-Datei, die Tabellenkalkulationen und andere Tracker lesen.</translation>
    </message>
    <message id="Import…">
        <source></source>
        <translation>Importieren…</translation>
    </message>
    <message id="Adds the entries of a CSV file that the history does not hold yet, and says which rows it could not read.">
        <source></source>
        <translation>Fügt die Einträge einer CSV-Datei hinzu, die der Verlauf noch nicht enthält, und sagt, welche Zeilen nicht gelesen werden konnten.</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Löschen</translation>
    </message>
    <message id="Removes the selected entries (the Delete key does too); Ctrl+Z brings them back while this window is open.">
        <source></source>
        <translation>Entfernt die ausgewählten Einträge (auch die Entf-Taste); Strg+Z holt sie zurück, solange dieses Fenster offen ist.</translation>
    </message>
    <message id="Date and time">
        <source></source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message id="Waist (%1)">
        <source></source>
        <translation>Taille (%1)</translation>
    </message>
    <message id="Weight (%1)">
        <source></source>
        <translation>Gewicht (%1)</translation>
    </message>
    <message id="Height (%1)">
        <source></source>
        <translation>Größe (%1)</translation>
    </message>
    <message id="Fat (%)">
        <source></source>
        <translation>Fett (%)</translation>
    </message>
    <message id="Fat rating">
        <source></source>
        <translation>Fettbewertung</translation>
    </message>
    <message id="Body mass index">
        <source></source>
        <translation>Body-Mass-Index</translation>
    </message>
    <message id="Category">
        <source></source>
        <translation>Kategorie</translation>
    </message>
    <message id="Entries, newest first">
        <source></source>
        <translation>Einträge, neueste zuerst</translation>
    </message>
    <message id="A woman's entry">
        <source></source>
        <translation>Eintrag einer Frau</translation>
    </message>
    <message id="A man's entry">
        <source></source>
        <translation>Eintrag eines Mannes</translation>
    </message>
    <message id="the fat percentage">
        <source></source>
        <translation>der Fettanteil</translation>
    </message>
    <message id="Fat percentage and weight over time">
        <source></source>
        <translation>Fettanteil und Gewicht im Zeitverlauf</translation>
    </message>
    <message id="Fat percentage (%)">
        <source></source>
        <translation>Fettanteil (%)</translation>
    </message>
    <message id="No entries yet.">
        <source></source>
        <translation>Noch keine Einträge.</translation>
    </message>
    <message id="Fat percentage %1 % and weight %2 %3 on %4.">
        <source></source>
        <translation>Fettanteil %1 % und Gewicht %2 %3 am %4.</translation>
    </message>
    <message id="Fat percentage from %1 % on %2 to %3 % on %4; weight from %5 %6 to %7 %6.">
        <source></source>
        <translation>Fettanteil von %1 % am %2 auf %3 % am %4; Gewicht von %5 %6 auf %7 %6.</translation>
    </message>
    <message id="Reading the history…">
        <source></source>
        <translation>Der Verlauf wird gelesen…</translation>
    </message>
    <message id="No entries yet: Add to History (Ctrl+D) in the main window keeps the entries and figures as they stand.">
        <source></source>
        <translation>Noch keine Einträge: „Zum Verlauf hinzufügen“ (Strg+D) im Hauptfenster speichert die Eingaben und Werte, wie sie gerade sind.</translation>
    </message>
    <message id="1 entry">
        <source></source>
        <translation>1 Eintrag</translation>
    </message>
    <message id="%1 entries">
        <source></source>
        <translation>%1 Einträge</translation>
    </message>
    <message id="The history is not being kept: %1. What is not kept yet is tried again on its own.">
        <source></source>
        <translation>Der Verlauf wird nicht gespeichert: %1. Was noch nicht gespeichert ist, wird von selbst erneut versucht.</translation>
    </message>
    <message id="The history cannot be read: %1.">
        <source></source>
        <translation>Der Verlauf kann nicht gelesen werden: %1.</translation>
    </message>
    <message id="%1 removed from the history. Ctrl+Z brings it back.">
        <source></source>
        <translation>%1 aus dem Verlauf entfernt. Strg+Z holt sie zurück.</translation>
    </message>
    <message id="%1 back in the history.">
        <source></source>
        <translation>%1 wieder im Verlauf.</translation>
    </message>
    <message id="Export the History">
        <source></source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message id="Import into the History">
        <source></source>
        <translation>In den Verlauf importieren</translation>
    </message>
    <message id="Nothing was exported: %1.">
        <source></source>
        <translation>Nichts wurde exportiert: %1.</translation>
    </message>
    <message id="Nothing was imported: %1. The history is as it was.">
        <source></source>
        <translation>Nichts wurde importiert: %1. Der Verlauf ist unverändert.</translation>
    </message>
    <message id="%1 imported; %2 in the history already; %3 not read.">
        <source></source>
        <translation>%1 importiert; %2 schon im Verlauf; %3 nicht gelesen.</translation>
    </message>
    <message id="Line %1: %2.">
        <source></source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message id="Nothing was added to the history. %1">
        <source></source>
        <translation>Dem Verlauf wurde nichts hinzugefügt. %1</translation>
    </message>
    <message id="Kept in the history: %1.">
        <source></source>
        <translation>Im Verlauf gespeichert: %1.</translation>
    </message>
    <message id="%1 exported to %2.">
        <source></source>
        <translation>%1 exportiert nach %2.</translation>
    </message>
    <message id="Your history: %1">
        <source></source>
        <translation>Ihr Verlauf: %1</translation>
    </message>
    <message id="The history">
        <source></source>
        <translation>Der Verlauf</translation>
    </message>
    <message id="Add to History in the Tools menu keeps your entries as they stand, with the date and time; typing alone adds nothing. History… shows them in a window of its own: a table, newest first, in the units the main window uses, and a chart of the fat percentage and the weight over time. Delete removes the selected rows and Ctrl+Z brings them back while the window is open. Export… writes every entry, or the selected ones, to a CSV file that spreadsheets read; Import… adds the entries of such a file.">
        <source></source>
        <translation>Zum Verlauf hinzufügen im Menü Extras speichert Ihre Eingaben, wie sie sind, mit Datum und Uhrzeit; Tippen allein fügt nichts hinzu. Verlauf… zeigt sie in einem eigenen Fenster: eine Tabelle, die neuesten zuerst, in den Einheiten des Hauptfensters, und ein Diagramm des Körperfettanteils und des Gewichts über die Zeit. Entf entfernt die ausgewählten Zeilen, und Strg+Z holt sie zurück, solange das Fenster offen ist. Exportieren… schreibt alle Einträge oder die ausgewählten in eine CSV-Datei, die Tabellenkalkulationen lesen; Importieren… fügt die Einträge einer solchen Datei hinzu.</translation>
    </message>
    <message id="The history is kept in %1, an SQLite database. To start afresh, close Fenwake and delete it.">
        <source></source>
        <translation>Der Verlauf steht in %1, einer SQLite-Datenbank. Um neu zu beginnen, schließen Sie Fenwake und löschen Sie sie.</translation>
    </message>
    <message id="Ctrl+D">
        <source></source>
        <translation>Strg+D</translation>
    </message>
    <message id="Add to History.">
        <source></source>
        <translation>Zum Verlauf hinzufügen.</translation>
    </message>
    <message id="Ctrl+H">
        <source></source>
        <translation>Strg+H</translation>
    </message>
    <message id="Opens the history.">
        <source></source>
        <translation>Öffnet den Verlauf.</translation>
    </message>
    <message id="Delete, Ctrl+Z">
        <source></source>
        <translation>Entf, Strg+Z</translation>
    </message>
    <message id="In the history: remove the selected rows; bring them back.">
        <source></source>
        <translation>Im Verlauf: die ausgewählten Zeilen entfernen; sie zurückholen.</translation>
    </message>
    <message id="Left, Right, Home, End">
        <source></source>
        <translation>Links, Rechts, Pos1, Ende</translation>
    </message>
    <message id="In the history's chart: the entry before or after, the first, the last.">
        <source></source>
        <translation>Im Diagramm des Verlaufs: der Eintrag davor oder danach, der erste, der letzte.</translation>
    </message>
    <message id="the history cannot be used without SQLite: %1">
        <source></source>
        <translation>der Verlauf ist ohne SQLite nicht nutzbar: %1</translation>
    </message>
    <message id="%1 has other names (hard links), which would keep the old text: it is not replaced">
        <source></source>
        <translation>%1 hat weitere Namen (harte Verknüpfungen), die den alten Text behielten: sie wird nicht ersetzt</translation>
    </message>
    <message id="%1 is protected against writing: it is not replaced">
        <source></source>
        <translation>%1 ist schreibgeschützt: sie wird nicht ersetzt</translation>
    </message>
    <message id="the date and time “%1” is none Fenwake reads">
        <source></source>
        <translation>Datum und Uhrzeit „%1“ kann Fenwake nicht lesen</translation>
    </message>
    <message id="its first line names no column of the date and time (such as “Date and time”, “Date” or “dateTime”); it names %1">
        <source></source>
        <translation>ihre erste Zeile nennt keine Spalte für Datum und Uhrzeit (etwa „Datum und Uhrzeit“, „Datum“ oder „dateTime“); sie nennt %1</translation>
    </message>
    <message id="its first line names no column of the weight or of the waist (such as “Weight (kg)” or “Waist (cm)”); it names %1">
        <source></source>
        <translation>ihre erste Zeile nennt keine Spalte für das Gewicht oder die Taille (etwa „Gewicht (kg)“ oder „Taille (cm)“); sie nennt %1</translation>
    </message>
    <message id="it has more than %1 fields">
        <source></source>
        <translation>sie hat mehr als %1 Felder</translation>
    </message>
    <message id="the entry of %1 can be neither added to %2 nor found in it">
        <source></source>
        <translation>der Eintrag vom %1 lässt sich %2 weder hinzufügen noch darin finden</translation>
    </message>
    <message id="%1 was emptied or overwritten while Fenwake had it open">
        <source></source>
        <translation>%1 wurde geleert oder überschrieben, während Fenwake sie geöffnet hatte</translation>
    </message>
    <message id="the disk of %1 has room for about %2 of these %3 entries">
        <source></source>
        <translation>der Datenträger von %1 hat Platz für etwa %2 dieser %3 Einträge</translation>
    </message>
    <message id="%1 is missing, but the log of a database lies beside it (%1-wal)">
        <source></source>
        <translation>%1 fehlt, aber das Protokoll einer Datenbank liegt daneben (%1-wal)</translation>
    </message>
    <message id="%1 was removed while Fenwake had it open">
        <source></source>
        <translation>%1 wurde entfernt, während Fenwake sie geöffnet hatte</translation>
    </message>
    <message id="%1 was replaced by another file while Fenwake had it open">
        <source></source>
        <translation>%1 wurde durch eine andere Datei ersetzt, während Fenwake sie geöffnet hatte</translation>
    </message>
    <message id="its dates are day-first in places (“%1”) and month-first in others (“%2”)">
        <source></source>
        <translation>ihre Daten nennen stellenweise zuerst den Tag („%1“) und anderswo zuerst den Monat („%2“)</translation>
    </message>
    <message id="its dates (“%1”) may be day-first or month-first, and none of them says which">
        <source></source>
        <translation>ihre Daten („%1“) können zuerst den Tag oder zuerst den Monat nennen, und keines sagt, was davon</translation>
    </message>
    <message id="it is UTF-16 text cut off in a character">
        <source></source>
        <translation>sie ist UTF-16-Text, mitten in einem Zeichen abgeschnitten</translation>
    </message>
    <message id="it is UTF-16 text with a broken character">
        <source></source>
        <translation>sie ist UTF-16-Text mit einem fehlerhaften Zeichen</translation>
    </message>
    <message id="it is no text: it holds zero bytes, as files of programs and UTF-16 without its mark do">
        <source></source>
        <translation>sie ist kein Text: sie enthält Null-Bytes, wie Programmdateien und UTF-16 ohne seine Kennung</translation>
    </message>
    <message id="Goal…">
        <source></source>
        <translation>Ziel…</translation>
    </message>
    <message id="+, -">
        <source></source>
        <translation>+, -</translation>
    </message>
    <message id="In the history's chart: less time, more time.">
        <source></source>
        <translation>Im Diagramm des Verlaufs: weniger Zeit, mehr Zeit.</translation>
    </message>
    <message id="Method: %1.">
        <source></source>
        <translation>Methode: %1.</translation>
    </message>
    <message id="Enter your neck and hip to use the US Navy method.">
        <source></source>
        <translation>Geben Sie Hals und Hüfte ein, um die US-Navy-Methode zu verwenden.</translation>
    </message>
    <message id="Enter your neck to use the US Navy method.">
        <source></source>
        <translation>Geben Sie den Hals ein, um die US-Navy-Methode zu verwenden.</translation>
    </message>
    <message id="Enter your hip to use the US Navy method.">
        <source></source>
        <translation>Geben Sie die Hüfte ein, um die US-Navy-Methode zu verwenden.</translation>
    </message>
    <message id="Tick it for a woman: the US Navy method then reads the hip too, by a woman's formula, and the fat percentage is rated by a woman's bands.">
        <source></source>
        <translation>Für eine Frau ankreuzen: die US-Navy-Methode liest dann auch die Hüfte, nach der Formel für Frauen, und der Fettanteil wird nach den Bereichen für Frauen bewertet.</translation>
    </message>
    <message id="Tick it for a woman: relative fat mass then adds 12, and the fat percentage is rated by a woman's bands.">
        <source></source>
        <translation>Für eine Frau ankreuzen: die relative Fettmasse zählt dann 12 hinzu, und der Fettanteil wird nach den Bereichen für Frauen bewertet.</translation>
    </message>
    <message id="Tick it for a woman: the lean mass then takes a woman's constant, 76.76 instead of a man's 98.42, and the fat percentage is rated by a woman's bands.">
        <source></source>
        <translation>Für eine Frau ankreuzen: die Magermasse nimmt dann die Konstante für Frauen, 76,76 statt 98,42 für Männer, und der Fettanteil wird nach den Bereichen für Frauen bewertet.</translation>
    </message>
    <message id="Tick it for centimetres and kilograms, clear it for inches and pounds. What you typed is converted at once, with 2.56 cm to the inch and 2.2 pounds to the kilogram, and the figures follow.">
        <source></source>
        <translation>Ankreuzen für Zentimeter und Kilogramm, leeren für Zoll und Pfund. Was Sie eingegeben haben, wird sofort umgerechnet, mit 2,56 cm je Zoll und 2,2 Pfund je Kilogramm, und die Werte folgen.</translation>
    </message>
    <message id="Goal">
        <source></source>
        <translation>Ziel</translation>
    </message>
    <message id="The History window draws a goal as a line, and says when the trend may reach it. Leave a field empty for no goal.">
        <source></source>
        <translation>Das Fenster „Verlauf“ zeichnet ein Ziel als Linie und sagt, wann der Trend es erreichen kann. Lassen Sie ein Feld leer für kein Ziel.</translation>
    </message>
    <message id="The weight you aim for, in the window's units; empty for no goal.">
        <source></source>
        <translation>Das Gewicht, das Sie anstreben, in den Einheiten des Fensters; leer für kein Ziel.</translation>
    </message>
    <message id="The fat percentage you aim for; empty for no goal.">
        <source></source>
        <translation>Der Fettanteil, den Sie anstreben; leer für kein Ziel.</translation>
    </message>
    <message id="Goal weight (%1):">
        <source></source>
        <translation>Zielgewicht (%1):</translation>
    </message>
    <message id="Goal fat percentage (%):">
        <source></source>
        <translation>Ziel-Fettanteil (%):</translation>
    </message>
    <message id="Clear Goals">
        <source></source>
        <translation>Ziele leeren</translation>
    </message>
    <message id="Keeps the goals and closes this window.">
        <source></source>
        <translation>Speichert die Ziele und schließt dieses Fenster.</translation>
    </message>
    <message id="Closes this window; the goals stay as they were.">
        <source></source>
        <translation>Schließt dieses Fenster; die Ziele bleiben, wie sie waren.</translation>
    </message>
    <message id="Empties both fields: no goal.">
        <source></source>
        <translation>Leert beide Felder: kein Ziel.</translation>
    </message>
    <message id="Enter a number, or leave the field empty for no goal.">
        <source></source>
        <translation>Geben Sie eine Zahl ein, oder lassen Sie das Feld leer für kein Ziel.</translation>
    </message>
    <message id="… and %1 more lines not read.">
        <source></source>
        <translation>… und %1 weitere nicht gelesene Zeilen.</translation>
    </message>
    <message id=" and %1 more">
        <source></source>
        <translation> und %1 weitere</translation>
    </message>
    <message id="%1 steady %2 %3 a week (%4 to %5)">
        <source></source>
        <translation>%1 gleichbleibend %2 %3 pro Woche (%4 bis %5)</translation>
    </message>
    <message id="Goal %1: its date is said once the rate is known.">
        <source></source>
        <translation>Ziel %1: sein Datum wird genannt, sobald die Rate bekannt ist.</translation>
    </message>
    <message id="Goal %1: reached.">
        <source></source>
        <translation>Ziel %1: erreicht.</translation>
    </message>
    <message id="Goal %1: not on course at the present rate.">
        <source></source>
        <translation>Ziel %1: bei der jetzigen Rate nicht auf Kurs.</translation>
    </message>
    <message id="Goal %1: at this rate between %2 and %3.">
        <source></source>
        <translation>Ziel %1: bei dieser Rate zwischen %2 und %3.</translation>
    </message>
    <message id="Weight trend (%1)">
        <source></source>
        <translation>Gewichtstrend (%1)</translation>
    </message>
    <message id="Fat trend (%)">
        <source></source>
        <translation>Fetttrend (%)</translation>
    </message>
    <message id="%1 of the history's entries were not kept (%2): %3">
        <source></source>
        <translation>%1 Einträge des Verlaufs wurden nicht gespeichert (%2): %3</translation>
    </message>
    <message id="the disk took too long">
        <source></source>
        <translation>der Datenträger brauchte zu lange</translation>
    </message>
    <message id="history not kept yet: %1; it is tried again on its own">
        <source></source>
        <translation>Verlauf noch nicht gespeichert: %1; es wird von selbst erneut versucht</translation>
    </message>
    <message id="a change of the history is given up: %1">
        <source></source>
        <translation>eine Änderung des Verlaufs wurde aufgegeben: %1</translation>
    </message>
    <message id="Still collecting the early trend: a rate needs entries on 7 days over at least 14 of the last 28.">
        <source></source>
        <translation>Der Trend sammelt noch: eine Rate braucht Einträge an 7 Tagen über mindestens 14 der letzten 28.</translation>
    </message>
    <message id="%1 over the last 28 days; of it %2, %3.">
        <source></source>
        <translation>%1 in den letzten 28 Tagen; davon %2, %3.</translation>
    </message>
    <message id="fat">
        <source></source>
        <translation>Fett</translation>
    </message>
    <message id="lean">
        <source></source>
        <translation>Magermasse</translation>
    </message>
    <message id="%1 over the last 28 days.">
        <source></source>
        <translation>%1 in den letzten 28 Tagen.</translation>
    </message>
    <message id="Weight trend">
        <source></source>
        <translation>Gewichtstrend</translation>
    </message>
    <message id="Fat trend">
        <source></source>
        <translation>Fetttrend</translation>
    </message>
    <message id="Goal %1">
        <source></source>
        <translation>Ziel %1</translation>
    </message>
    <message id="%1 of them had been removed by another Fenwake already; the table shows the history as it is now.">
        <source></source>
        <translation>%1 davon hatte ein anderes Fenwake schon entfernt; die Tabelle zeigt den Verlauf, wie er jetzt ist.</translation>
    </message>
    <message id="%1 holds no entry that could be read.">
        <source></source>
        <translation>%1 enthält keinen lesbaren Eintrag.</translation>
    </message>
    <message id="%1 holds %2, from %3 to %4.">
        <source></source>
        <translation>%1 enthält %2, vom %3 bis zum %4.</translation>
    </message>
    <message id="It does not say its units: choose them below.">
        <source></source>
        <translation>Sie nennt ihre Einheiten nicht: wählen Sie sie unten.</translation>
    </message>
    <message id="Its measurements are in centimetres and kilograms.">
        <source></source>
        <translation>Ihre Maße sind in Zentimetern und Kilogramm.</translation>
    </message>
    <message id="Its measurements are in inches and pounds.">
        <source></source>
        <translation>Ihre Maße sind in Zoll und Pfund.</translation>
    </message>
    <message id="Some of its entries are metric and some imperial; each keeps its own units.">
        <source></source>
        <translation>Einige ihrer Einträge sind metrisch und einige imperial; jeder behält seine eigenen Einheiten.</translation>
    </message>
    <message id="%1 of them are in the history already and are not added again.">
        <source></source>
        <translation>%1 davon sind schon im Verlauf und werden nicht noch einmal hinzugefügt.</translation>
    </message>
    <message id="the waist">
        <source></source>
        <translation>die Taille</translation>
    </message>
    <message id="the weight">
        <source></source>
        <translation>das Gewicht</translation>
    </message>
    <message id="the height">
        <source></source>
        <translation>die Größe</translation>
    </message>
    <message id="whose they are, a woman's or a man's">
        <source></source>
        <translation>von wem sie sind, einer Frau oder einem Mann</translation>
    </message>
    <message id=" and ">
        <source></source>
        <translation> und </translation>
    </message>
    <message id="It does not give %1 for every entry: give it below, for each entry without it.">
        <source></source>
        <translation>Sie nennt nicht für jeden Eintrag %1: geben Sie es unten an, für jeden Eintrag ohne.</translation>
    </message>
    <message id="%1 give a date without a time: each is taken at noon.">
        <source></source>
        <translation>%1 nennen ein Datum ohne Uhrzeit: jedes wird als Mittag genommen.</translation>
    </message>
    <message id="Its columns %1 hold figures the program that wrote it computed; they are not taken, as Fenwake computes its own from the measurements.">
        <source></source>
        <translation>Ihre Spalten %1 enthalten Werte, die das Programm berechnet hat, das sie schrieb; sie werden nicht übernommen, da Fenwake seine eigenen aus den Maßen berechnet.</translation>
    </message>
    <message id="Every line was read.">
        <source></source>
        <translation>Jede Zeile wurde gelesen.</translation>
    </message>
    <message id="%1 lines were not read; they are listed below with the reason.">
        <source></source>
        <translation>%1 Zeilen wurden nicht gelesen; sie stehen unten mit dem Grund.</translation>
    </message>
    <message id="The chart was exported to %1.">
        <source></source>
        <translation>Das Diagramm wurde nach %1 exportiert.</translation>
    </message>
    <message id="The chart was not exported: %1.">
        <source></source>
        <translation>Das Diagramm wurde nicht exportiert: %1.</translation>
    </message>
    <message id="The history cannot be kept: %1.">
        <source></source>
        <translation>Der Verlauf kann nicht gespeichert werden: %1.</translation>
    </message>
    <message id="Not kept in the history: %1 (%2).">
        <source></source>
        <translation>Nicht im Verlauf gespeichert: %1 (%2).</translation>
    </message>
    <message id="The history was not changed: %1.">
        <source></source>
        <translation>Der Verlauf wurde nicht geändert: %1.</translation>
    </message>
    <message id="PNG images (*.png)">
        <source></source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message id="The weight above and the fat percentage below, each day as a point and the trend as a line, with a goal's level. Left and Right choose an entry, Home and End the first and last; + and - or the wheel show less or more time.">
        <source></source>
        <translation>Oben das Gewicht und unten der Fettanteil, jeder Tag als Punkt und der Trend als Linie, mit der Höhe eines Ziels. Links und Rechts wählen einen Eintrag, Pos1 und Ende den ersten und letzten; + und - oder das Mausrad zeigen weniger oder mehr Zeit.</translation>
    </message>
    <message id="Every entry kept, newest first. Delete removes the selected ones and Ctrl+Z brings them back; choosing one chooses its day on the chart.">
        <source></source>
        <translation>Jeder gespeicherte Eintrag, neueste zuerst. Entf entfernt die ausgewählten, und Strg+Z holt sie zurück; wer einen wählt, wählt seinen Tag im Diagramm.</translation>
    </message>
    <message id="Closes this window, as Escape and Ctrl+W do.">
        <source></source>
        <translation>Schließt dieses Fenster, wie Esc und Strg+W.</translation>
    </message>
    <message id="4 weeks">
        <source></source>
        <translation>4 Wochen</translation>
    </message>
    <message id="The chart shows the last four weeks.">
        <source></source>
        <translation>Das Diagramm zeigt die letzten vier Wochen.</translation>
    </message>
    <message id="3 months">
        <source></source>
        <translation>3 Monate</translation>
    </message>
    <message id="The chart shows the last three months.">
        <source></source>
        <translation>Das Diagramm zeigt die letzten drei Monate.</translation>
    </message>
    <message id="1 year">
        <source></source>
        <translation>1 Jahr</translation>
    </message>
    <message id="The chart shows the last year.">
        <source></source>
        <translation>Das Diagramm zeigt das letzte Jahr.</translation>
    </message>
    <message id="All">
        <source></source>
        <translation>Alles</translation>
    </message>
    <message id="The chart shows every entry, from the first.">
        <source></source>
        <translation>Das Diagramm zeigt jeden Eintrag, ab dem ersten.</translation>
    </message>
    <message id="Export the Chart">
        <source></source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message id="Copy Chart">
        <source></source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message id="Export Chart…">
        <source></source>
        <translation>Diagramm exportieren…</translation>
    </message>
    <message id="The chart is copied as an image.">
        <source></source>
        <translation>Das Diagramm wird als Bild kopiert.</translation>
    </message>
    <message id="Lines not read">
        <source></source>
        <translation>Nicht gelesene Zeilen</translation>
    </message>
    <message id="Each line of the file that was not read, and why. Ctrl+C copies the chosen lines, or all of them.">
        <source></source>
        <translation>Jede Zeile der Datei, die nicht gelesen wurde, und warum. Strg+C kopiert die gewählten Zeilen, oder alle.</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importieren</translation>
    </message>
    <message id="What the file holds; nothing of it is written until you choose Import.">
        <source></source>
        <translation>Was die Datei enthält; nichts davon wird geschrieben, bevor Sie „Importieren“ wählen.</translation>
    </message>
    <message id="Adds the entries to the history, all at once.">
        <source></source>
        <translation>Fügt die Einträge dem Verlauf hinzu, alle auf einmal.</translation>
    </message>
    <message id="Closes this window; nothing is added.">
        <source></source>
        <translation>Schließt dieses Fenster; nichts wird hinzugefügt.</translation>
    </message>
    <message id="The file gives none: this is taken for each of its entries that has none.">
        <source></source>
        <translation>Die Datei nennt keinen Wert: dieser wird für jeden ihrer Einträge ohne Wert genommen.</translation>
    </message>
    <message id="The file does not say whose the entries are: tick it for a woman's.">
        <source></source>
        <translation>Die Datei sagt nicht, von wem die Einträge sind: ankreuzen für die einer Frau.</translation>
    </message>
    <message id="The file does not say its units: tick it for centimetres and kilograms, clear it for inches and pounds.">
        <source></source>
        <translation>Die Datei nennt ihre Einheiten nicht: ankreuzen für Zentimeter und Kilogramm, leeren für Zoll und Pfund.</translation>
    </message>
    <message id="1 line was not read; it is listed below with the reason.">
        <source></source>
        <translation>1 Zeile wurde nicht gelesen; sie steht unten mit dem Grund.</translation>
    </message>
</context>
</TS>
