<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="Settings are not being saved">
        <source></source>
        <translation>Les réglages ne sont pas enregistrés</translation>
    </message>
    <message id="Enter a number.">
        <source></source>
        <translation>Saisissez un nombre.</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Copier</translation>
    </message>
    <message id="Copy All">
        <source></source>
        <translation>Tout copier</translation>
    </message>
    <message id="%1 is not a settings file">
        <source></source>
        <translation>%1 n’est pas un fichier de réglages</translation>
    </message>
    <message id="settings not read: %1; starting from the defaults, and the file is left as it is">
        <source></source>
        <translation>réglages non lus&#xa0;: %1&#xa0;; départ des valeurs par défaut, et le fichier reste tel quel</translation>
    </message>
    <message id="the folder of %1, %2, cannot be examined: %3">
        <source></source>
        <translation>le dossier de %1, %2, ne peut pas être examiné&#xa0;: %3</translation>
    </message>
    <message id="the folder of %1, %2, is a link that belongs to another user">
        <source></source>
        <translation>le dossier de %1, %2, est un lien qui appartient à un autre utilisateur</translation>
    </message>
    <message id="the folder of %1, %2, is not a folder">
        <source></source>
        <translation>le dossier de %1, %2, n’est pas un dossier</translation>
    </message>
    <message id="the folder of %1, %2, belongs to another user">
        <source></source>
        <translation>le dossier de %1, %2, appartient à un autre utilisateur</translation>
    </message>
    <message id="%1 cannot be examined: %2">
        <source></source>
        <translation>%1 ne peut pas être examiné&#xa0;: %2</translation>
    </message>
    <message id="%1 leads through too many links">
        <source></source>
        <translation>%1 passe par trop de liens</translation>
    </message>
    <message id="%1 cannot be followed: %2">
        <source></source>
        <translation>%1 ne peut pas être suivi&#xa0;: %2</translation>
    </message>
    <message id="%1 is not a regular file">
        <source></source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message id="%1 cannot be opened: %2">
        <source></source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message id="%1 belongs to another user">
        <source></source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message id="%1 is larger than 1 MiB">
        <source></source>
        <translation>%1 dépasse 1&#xa0;Mio</translation>
    </message>
    <message id="%1 cannot be read: %2">
        <source></source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message id="cannot create a file beside %1: %2">
        <source></source>
        <translation>impossible de créer un fichier à côté de %1&#xa0;: %2</translation>
    </message>
    <message id="cannot keep the permissions of %1: %2">
        <source></source>
        <translation>impossible de garder les droits de %1&#xa0;: %2</translation>
    </message>
    <message id="cannot write %1: %2">
        <source></source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message id="cannot write %1 to disk: %2">
        <source></source>
        <translation>impossible d’écrire %1 sur le disque&#xa0;: %2</translation>
    </message>
    <message id="gave up replacing %1: %2">
        <source></source>
        <translation>remplacement de %1 abandonné&#xa0;: %2</translation>
    </message>
    <message id="cannot replace %1: %2">
        <source></source>
        <translation>impossible de remplacer %1&#xa0;: %2</translation>
    </message>
    <message id="cannot sync the folder of %1: %2">
        <source></source>
        <translation>impossible de synchroniser le dossier de %1&#xa0;: %2</translation>
    </message>
    <message id="cannot create the lock: %1: %2">
        <source></source>
        <translation>impossible de créer le verrou&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message id="cannot create the lock: %1 is not a regular file">
        <source></source>
        <translation>impossible de créer le verrou&#xa0;: %1 n’est pas un fichier ordinaire</translation>
    </message>
    <message id="cannot take the lock %1: %2">
        <source></source>
        <translation>impossible de prendre le verrou %1&#xa0;: %2</translation>
    </message>
    <message id="cannot create the folder %1: %2">
        <source></source>
        <translation>impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message id="the disk took longer than %1 ms">
        <source></source>
        <translation>le disque a mis plus de %1&#xa0;ms</translation>
    </message>
    <message id="settings not saved: %1">
        <source></source>
        <translation>réglages non enregistrés&#xa0;: %1</translation>
    </message>
    <message id="%1, and it is left as it is">
        <source></source>
        <translation>%1, et le fichier reste tel quel</translation>
    </message>
    <message id="Female">
        <source></source>
        <translation>Femme</translation>
    </message>
    <message id="Waist:">
        <source></source>
        <translation>Tour de taille&#xa0;:</translation>
    </message>
    <message id="Inches">
        <source></source>
        <translation>Pouces</translation>
    </message>
    <message id="Weight:">
        <source></source>
        <translation>Poids&#xa0;:</translation>
    </message>
    <message id="Lbs">
        <source></source>
        <translation>lb</translation>
    </message>
    <message id="Metric">
        <source></source>
        <translation>Métrique</translation>
    </message>
    <message id="Height:">
        <source></source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message id="About">
        <source></source>
        <translation>À propos</translation>
    </message>
    <message id="Tools">
        <source></source>
        <translation>Outils</translation>
    </message>
    <message id="Qty">
        <source></source>
        <translation>Grandeur</translation>
    </message>
    <message id="Result">
        <source></source>
        <translation>Résultat</translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation>Unité</translation>
    </message>
    <message id="Description">
        <source></source>
        <translation>Appréciation</translation>
    </message>
    <message id="Fat Percentage">
        <source></source>
        <translation>Taux de graisse</translation>
    </message>
    <message id="Fat Body Mass">
        <source></source>
        <translation>Masse grasse</translation>
    </message>
    <message id="Lean Body Mass">
        <source></source>
        <translation>Masse maigre</translation>
    </message>
    <message id="Rest Metabolic Rate">
        <source></source>
        <translation>Métabolisme de repos</translation>
    </message>
    <message id="Body Mass Index">
        <source></source>
        <translation>Indice de masse corporelle</translation>
    </message>
    <message id="What each row shows; its tool tip says how it is computed.">
        <source></source>
        <translation>Ce que montre chaque ligne&#xa0;; son info-bulle dit comment elle est calculée.</translation>
    </message>
    <message id="The figure, to two decimals.">
        <source></source>
        <translation>La valeur, à deux décimales.</translation>
    </message>
    <message id="The figure's unit.">
        <source></source>
        <translation>L’unité de la valeur.</translation>
    </message>
    <message id="The band the figure falls in.">
        <source></source>
        <translation>La tranche où tombe la valeur.</translation>
    </message>
    <message id="Waist">
        <source></source>
        <translation>Tour de taille</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Poids</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Taille</translation>
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
        <translation>Résultats</translation>
    </message>
    <message id="cm">
        <source></source>
        <translation>cm</translation>
    </message>
    <message id="inches">
        <source></source>
        <translation>pouces</translation>
    </message>
    <message id="kilograms">
        <source></source>
        <translation>kilogrammes</translation>
    </message>
    <message id="pounds">
        <source></source>
        <translation>livres</translation>
    </message>
    <message id="%1: enter a number. The figures are those of the last valid entry.">
        <source></source>
        <translation>%1&#xa0;: saisissez un nombre. Les valeurs sont celles de la dernière saisie valide.</translation>
    </message>
    <message id="Very Low">
        <source></source>
        <translation>Très bas</translation>
    </message>
    <message id="Low">
        <source></source>
        <translation>Bas</translation>
    </message>
    <message id="Average">
        <source></source>
        <translation>Moyen</translation>
    </message>
    <message id="High">
        <source></source>
        <translation>Élevé</translation>
    </message>
    <message id="Very High">
        <source></source>
        <translation>Très élevé</translation>
    </message>
    <message id="Underweight">
        <source></source>
        <translation>Maigreur</translation>
    </message>
    <message id="Normal">
        <source></source>
        <translation>Normal</translation>
    </message>
    <message id="Overweight">
        <source></source>
        <translation>Surpoids</translation>
    </message>
    <message id="Obese">
        <source></source>
        <translation>Obésité</translation>
    </message>
    <message id="An estimate from a simple formula, not medical advice.">
        <source></source>
        <translation>Une estimation d’après une formule simple, pas un avis médical.</translation>
    </message>
    <message id="%1 above %2">
        <source></source>
        <translation>%1 au-dessus de %2</translation>
    </message>
    <message id="%1 up to %2">
        <source></source>
        <translation>%1 jusqu’à %2</translation>
    </message>
    <message id="%1 (this figure)">
        <source></source>
        <translation>%1 (cette valeur)</translation>
    </message>
    <message id="centimetres">
        <source></source>
        <translation>centimètres</translation>
    </message>
    <message id="A woman's bands: %1">
        <source></source>
        <translation>Tranches pour une femme&#xa0;: %1</translation>
    </message>
    <message id="A man's bands: %1">
        <source></source>
        <translation>Tranches pour un homme&#xa0;: %1</translation>
    </message>
    <message id="The part of your weight that is fat: weight less lean body mass, in %1.">
        <source></source>
        <translation>La part de votre poids qui est de la graisse&#xa0;: le poids moins la masse maigre, en %1.</translation>
    </message>
    <message id="The part of your weight that is not fat: 1.082 times weight, less 4.15 times waist, plus 98.42 for a man or 76.76 for a woman, from pounds and inches; in %1.">
        <source></source>
        <translation>La part de votre poids qui n’est pas de la graisse&#xa0;: 1,082 fois le poids, moins 4,15 fois le tour de taille, plus 98,42 pour un homme ou 76,76 pour une femme, en livres et en pouces&#xa0;; en %1.</translation>
    </message>
    <message id="The calories a day your body uses at rest: 13.83 for each pound of lean body mass.">
        <source></source>
        <translation>Les calories que votre corps dépense par jour au repos&#xa0;: 13,83 par livre de masse maigre.</translation>
    </message>
    <message id="Weight for height: weight divided by the square of height, times 703, from pounds and inches (a metric entry, converted with 2.56 cm to the inch, gives about 1.4 % more than kg/m²). Bands: %1">
        <source></source>
        <translation>Le poids rapporté à la taille&#xa0;: le poids divisé par le carré de la taille, fois 703, en livres et en pouces (une saisie métrique, convertie à 2,56&#xa0;cm par pouce, donne environ 1,4&#xa0;% de plus que kg/m²). Tranches&#xa0;: %1</translation>
    </message>
    <message id="Your waist: measure around it at the navel, in %1.">
        <source></source>
        <translation>Votre tour de taille&#xa0;: mesuré à hauteur du nombril, en %1.</translation>
    </message>
    <message id="Your weight, in %1.">
        <source></source>
        <translation>Votre poids, en %1.</translation>
    </message>
    <message id="Your height, without shoes, in %1.">
        <source></source>
        <translation>Votre taille, sans chaussures, en %1.</translation>
    </message>
    <message id="The figures are estimates from simple formulas, not medical advice.">
        <source></source>
        <translation>Les valeurs sont des estimations d’après des formules simples, pas un avis médical.</translation>
    </message>
    <message id="window size not saved: %1">
        <source></source>
        <translation>taille de la fenêtre non enregistrée&#xa0;: %1</translation>
    </message>
    <message id="closing without the window size saved (%1); the file is left as it was">
        <source></source>
        <translation>fermeture sans la taille de la fenêtre enregistrée (%1)&#xa0;; le fichier reste tel qu’il était</translation>
    </message>
    <message id="closing before the disk confirmed the window size (%1); the file holds either it or the size before">
        <source></source>
        <translation>fermeture avant que le disque ait confirmé la taille de la fenêtre (%1)&#xa0;; le fichier contient soit celle-ci, soit la taille d’avant</translation>
    </message>
    <message id="closing without the last values saved (%1); the file is left as it was">
        <source></source>
        <translation>fermeture sans les dernières valeurs enregistrées (%1)&#xa0;; le fichier reste tel qu’il était</translation>
    </message>
    <message id="closing before the disk confirmed the last values (%1); the file holds either them or the values before">
        <source></source>
        <translation>fermeture avant que le disque ait confirmé les dernières valeurs (%1)&#xa0;; le fichier contient soit celles-ci, soit les valeurs d’avant</translation>
    </message>
    <message id="window size not read: %1; the window opens at its own size, and the file is left as it is">
        <source></source>
        <translation>taille de la fenêtre non lue&#xa0;: %1&#xa0;; la fenêtre s’ouvre à sa propre taille, et le fichier reste inchangé</translation>
    </message>
    <message id="%1 leads through a link, %2, that belongs to another user">
        <source></source>
        <translation>%1 passe par un lien, %2, qui appartient à un autre utilisateur</translation>
    </message>
    <message id="%1 is a file that belongs to another user">
        <source></source>
        <translation>%1 est un fichier qui appartient à un autre utilisateur</translation>
    </message>
    <message id="; the window goes on working">
        <source></source>
        <translation>&#xa0;; la fenêtre continue de fonctionner</translation>
    </message>
    <message id="no company key was named for the profile">
        <source></source>
        <translation>aucune clé d’éditeur n’a été donnée pour le profil</translation>
    </message>
    <message id="the file is locked by a running program (%1)">
        <source></source>
        <translation>le fichier est verrouillé par un programme en cours (%1)</translation>
    </message>
    <message id="the values cannot be changed in %1 without changing its other values">
        <source></source>
        <translation>les valeurs ne peuvent pas être modifiées dans %1 sans en modifier les autres valeurs</translation>
    </message>
    <message id="the file would grow past 1 MiB">
        <source></source>
        <translation>le fichier dépasserait 1 Mio</translation>
    </message>
    <message id="Usage: %1 [Qt's options, such as -platform xcb or -style Fusion]">
        <source></source>
        <translation>Usage&#xa0;:&#xa0;%1 [options de Qt, comme -platform xcb ou -style Fusion]</translation>
    </message>
    <message id="fenwake: %1 is no argument Fenwake takes (fenwake --help says which)">
        <source></source>
        <translation>fenwake&#xa0;:&#xa0;%1 n’est pas un argument que Fenwake accepte (fenwake --help dit lesquels)</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Fermer</translation>
    </message>
    <message id="Help">
        <source></source>
        <translation>Aide</translation>
    </message>
    <message id="up to %1">
        <source></source>
        <translation>jusqu’à&#xa0;%1</translation>
    </message>
    <message id="above %1">
        <source></source>
        <translation>au-dessus de&#xa0;%1</translation>
    </message>
    <message id="The part of your weight that is not fat: 1.082 times weight, less 4.15 times waist, plus 98.42 for a man or 76.76 for a woman, from pounds and inches.">
        <source></source>
        <translation>La part de votre poids qui n’est pas de la graisse&#xa0;: 1,082 fois le poids, moins 4,15 fois le tour de taille, plus 98,42 pour un homme ou 76,76 pour une femme, en livres et en pouces.</translation>
    </message>
    <message id="The part of your weight that is fat: weight less lean body mass.">
        <source></source>
        <translation>La part de votre poids qui est de la graisse&#xa0;: le poids moins la masse maigre.</translation>
    </message>
    <message id="The share of your weight that is fat: fat body mass divided by weight, times 100.">
        <source></source>
        <translation>La proportion de votre poids qui est de la graisse&#xa0;: la masse grasse divisée par le poids, fois 100.</translation>
    </message>
    <message id="Weight for height: weight divided by the square of height, times 703, from pounds and inches.">
        <source></source>
        <translation>Le poids pour la taille&#xa0;: le poids divisé par le carré de la taille, fois 703, en livres et en pouces.</translation>
    </message>
    <message id="The figures">
        <source></source>
        <translation>Les valeurs</translation>
    </message>
    <message id="Every figure is an estimate from a simple formula, not medical advice. The lean body mass comes first; the others follow from it and from what you typed.">
        <source></source>
        <translation>Chaque valeur est une estimation d’après une formule simple, non un avis médical. La masse maigre vient d’abord&#xa0;; les autres en découlent, ainsi que de vos saisies.</translation>
    </message>
    <message id="Figure">
        <source></source>
        <translation>Valeur</translation>
    </message>
    <message id="What it is, and how it is computed">
        <source></source>
        <translation>Ce qu’elle est, et comment elle est calculée</translation>
    </message>
    <message id="a man">
        <source></source>
        <translation>un homme</translation>
    </message>
    <message id="a woman">
        <source></source>
        <translation>une femme</translation>
    </message>
    <message id="everyone">
        <source></source>
        <translation>tous</translation>
    </message>
    <message id="The bands">
        <source></source>
        <translation>Les tranches</translation>
    </message>
    <message id="The fat percentage is rated by bands for your sex, the body mass index by the same bands for everyone. A value on an edge belongs to the lower band; a figure that is no number gets no band.">
        <source></source>
        <translation>Le taux de graisse est apprécié par tranches selon votre sexe, l’indice de masse corporelle par les mêmes tranches pour tous. Une valeur sur une limite appartient à la tranche inférieure&#xa0;; une valeur qui n’est pas un nombre n’a pas de tranche.</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Unités</translation>
    </message>
    <message id="Without Metric, waist and height are in inches and the weight in pounds; with Metric ticked, in centimetres and kilograms. Ticking or clearing Metric converts what you typed.">
        <source></source>
        <translation>Sans Métrique, le tour de taille et la taille sont en pouces et le poids en livres&#xa0;; avec Métrique coché, en centimètres et en kilogrammes. Cocher ou décocher Métrique convertit vos saisies.</translation>
    </message>
    <message id="Fenwake converts with its own factors: %1 centimetres to the inch and %2 pounds to the kilogram. Everything is computed in pounds and inches, and the two masses are turned back into kilograms.">
        <source></source>
        <translation>Fenwake convertit avec ses propres facteurs&#xa0;:&#xa0;%1 centimètres par pouce et&#xa0;%2 livres par kilogramme. Tout est calculé en livres et en pouces, et les deux masses sont reconverties en kilogrammes.</translation>
    </message>
    <message id="Because the inch is taken as %1 centimetres, a metric body mass index reads about %2 % above kg/m²: 703 times %3, divided by %4 squared times 10,000, is %5.">
        <source></source>
        <translation>Comme le pouce compte pour&#xa0;%1 centimètres, un indice de masse corporelle métrique est d’environ&#xa0;%2&#xa0;% au-dessus de kg/m²&#xa0;: 703 fois&#xa0;%3, divisé par&#xa0;%4 au carré fois 10 000, donne&#xa0;%5.</translation>
    </message>
    <message id="A field that holds no number">
        <source></source>
        <translation>Un champ qui ne contient pas de nombre</translation>
    </message>
    <message id="While a field holds something that is no number (a minus sign alone, say, or a letter), it is framed in red, a line at the foot of the window names it, and the list keeps the figures of the last number, dimmed. Nothing of it is stored. All of it goes as soon as the text is a number again. A comma is taken as the decimal point when there is no point.">
        <source></source>
        <translation>Tant qu’un champ contient autre chose qu’un nombre (un signe moins seul, par exemple, ou une lettre), il est encadré de rouge, une ligne au bas de la fenêtre le nomme, et la liste garde les valeurs du dernier nombre, estompées. Rien n’en est enregistré. Tout cela disparaît dès que le texte est de nouveau un nombre. Une virgule sert de séparateur décimal quand il n’y a pas de point.</translation>
    </message>
    <message id="A weight or a height of 0 gives figures that are no numbers: the list shows inf, -inf or nan, and no band.">
        <source></source>
        <translation>Un poids ou une taille de 0 donne des valeurs qui ne sont pas des nombres&#xa0;: la liste affiche inf, -inf ou nan, et aucune tranche.</translation>
    </message>
    <message id="Where your values are kept">
        <source></source>
        <translation>Où vos valeurs sont conservées</translation>
    </message>
    <message id="What you type is stored at once in %1, and Fenwake opens with it next time. The window's size is kept in %2. You may edit the settings file by hand; to start afresh, close Fenwake and delete it.">
        <source></source>
        <translation>Ce que vous saisissez est enregistré aussitôt dans&#xa0;%1, et Fenwake s’ouvre avec la prochaine fois. La taille de la fenêtre est conservée dans&#xa0;%2. Vous pouvez modifier le fichier de réglages à la main&#xa0;; pour repartir de zéro, fermez Fenwake et supprimez-le.</translation>
    </message>
    <message id="Tab, Shift+Tab">
        <source></source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message id="The next or the previous field, box or list.">
        <source></source>
        <translation>Le champ, la case ou la liste suivante ou précédente.</translation>
    </message>
    <message id="Alt and an underlined letter">
        <source></source>
        <translation>Alt et une lettre soulignée</translation>
    </message>
    <message id="The field or box of that letter.">
        <source></source>
        <translation>Le champ ou la case de cette lettre.</translation>
    </message>
    <message id="Space">
        <source></source>
        <translation>Espace</translation>
    </message>
    <message id="Ticks or clears the box with the focus.">
        <source></source>
        <translation>Coche ou décoche la case qui a le focus.</translation>
    </message>
    <message id="F10, or Alt and the menu's letter">
        <source></source>
        <translation>F10, ou Alt et la lettre du menu</translation>
    </message>
    <message id="Opens the Tools menu.">
        <source></source>
        <translation>Ouvre le menu Outils.</translation>
    </message>
    <message id="F1">
        <source></source>
        <translation>F1</translation>
    </message>
    <message id="This help.">
        <source></source>
        <translation>Cette aide.</translation>
    </message>
    <message id="Shift+F1, Ctrl+F1">
        <source></source>
        <translation>Maj+F1, Ctrl+F1</translation>
    </message>
    <message id="What the field, box or list row with the focus means, and for a figure how it is computed.">
        <source></source>
        <translation>Ce que signifie le champ, la case ou la ligne de la liste qui a le focus, et pour une valeur comment elle est calculée.</translation>
    </message>
    <message id="Up, Down">
        <source></source>
        <translation>Haut, Bas</translation>
    </message>
    <message id="In the list: from row to row.">
        <source></source>
        <translation>Dans la liste&#xa0;: d’une ligne à l’autre.</translation>
    </message>
    <message id="Ctrl+A, Ctrl+C">
        <source></source>
        <translation>Ctrl+A, Ctrl+C</translation>
    </message>
    <message id="In the list: select every row; copy the selected rows, or all of them when none is selected, with the date and your entries.">
        <source></source>
        <translation>Dans la liste&#xa0;: sélectionner toutes les lignes&#xa0;; copier les lignes sélectionnées, ou toutes si aucune ne l’est, avec la date et vos saisies.</translation>
    </message>
    <message id="Menu key, Shift+F10">
        <source></source>
        <translation>Touche Menu, Maj+F10</translation>
    </message>
    <message id="In the list: Copy and Copy All.">
        <source></source>
        <translation>Dans la liste&#xa0;: Copier et Tout copier.</translation>
    </message>
    <message id="Escape, Ctrl+W, Ctrl+Q">
        <source></source>
        <translation>Échap, Ctrl+W, Ctrl+Q</translation>
    </message>
    <message id="Closes Fenwake. Everything you typed is kept. In this help and in the history, Escape and Ctrl+W close that window alone.">
        <source></source>
        <translation>Ferme Fenwake. Tout ce que vous avez saisi est conservé. Dans cette aide et dans l’historique, Échap et Ctrl+W ne ferment que cette fenêtre.</translation>
    </message>
    <message id="Keys">
        <source></source>
        <translation>Touches</translation>
    </message>
    <message id="Key">
        <source></source>
        <translation>Touche</translation>
    </message>
    <message id="What it does">
        <source></source>
        <translation>Ce qu’elle fait</translation>
    </message>
    <message id="Fenwake Help">
        <source></source>
        <translation>Aide de Fenwake</translation>
    </message>
    <message id="Fenwake estimates your body composition from your waist, weight and height. Type them, tick Female and Metric as they apply, and the five figures follow each key you press.">
        <source></source>
        <translation>Fenwake estime votre composition corporelle d’après votre tour de taille, votre poids et votre taille. Saisissez-les, cochez Femme et Métrique s’il y a lieu, et les cinq valeurs suivent chaque touche que vous pressez.</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Oui</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Non</translation>
    </message>
    <message id="Fenwake estimates your body composition from your waist, weight and height: body-fat percentage with a rating, fat mass, lean mass, rest metabolic rate and body mass index with its category. Every value you type is kept, and Fenwake opens with it next time.">
        <source></source>
        <translation>Fenwake estime votre composition corporelle d’après votre tour de taille, votre poids et votre taille&#xa0;: taux de graisse avec son appréciation, masse grasse, masse maigre, métabolisme de repos et indice de masse corporelle avec sa catégorie. Chaque valeur saisie est conservée, et Fenwake s’ouvre avec la prochaine fois.</translation>
    </message>
    <message id="Your settings: %1">
        <source></source>
        <translation>Vos réglages&#xa0;:&#xa0;%1</translation>
    </message>
    <message id="The window's size: %1">
        <source></source>
        <translation>La taille de la fenêtre&#xa0;:&#xa0;%1</translation>
    </message>
    <message id="Fenwake takes no other arguments: --help prints this, --version its version.">
        <source></source>
        <translation>Fenwake n’accepte pas d’autres arguments&#xa0;: --help affiche ceci, --version sa version.</translation>
    </message>
    <message id="Neck:">
        <source></source>
        <translation>Cou&#xa0;:</translation>
    </message>
    <message id="Hip:">
        <source></source>
        <translation>Hanches&#xa0;:</translation>
    </message>
    <message id="Method">
        <source></source>
        <translation>Méthode</translation>
    </message>
    <message id="Waist and Weight">
        <source></source>
        <translation>Taille et poids</translation>
    </message>
    <message id="US Navy">
        <source></source>
        <translation>US Navy</translation>
    </message>
    <message id="Relative Fat Mass">
        <source></source>
        <translation>Masse grasse relative</translation>
    </message>
    <message id="Waist and weight, and your sex.">
        <source></source>
        <translation>Le tour de taille et le poids, et votre sexe.</translation>
    </message>
    <message id="Fenwake's own formula, from the lean body mass (the figures above). The one used unless you choose another.">
        <source></source>
        <translation>La formule propre à Fenwake, à partir de la masse maigre (les valeurs ci-dessus). Elle sert tant que vous n’en choisissez pas une autre.</translation>
    </message>
    <message id="Waist, neck and height, and the hip for a woman.">
        <source></source>
        <translation>Le tour de taille, le cou et la taille, et les hanches pour une femme.</translation>
    </message>
    <message id="Hodgdon and Beckett, 1984; against underwater weighing it agreed with R 0.90 for men and 0.85 for women, within about 3.5 to 3.7 points.">
        <source></source>
        <translation>Hodgdon et Beckett, 1984&#xa0;; comparée à la pesée hydrostatique, elle concordait avec R 0,90 pour les hommes et 0,85 pour les femmes, à environ 3,5 à 3,7 points près.</translation>
    </message>
    <message id="Height and waist.">
        <source></source>
        <translation>La taille et le tour de taille.</translation>
    </message>
    <message id="Woolcott and Bergman, 2018; developed on 12,581 adults and checked on 3,456 others against DXA scans.">
        <source></source>
        <translation>Woolcott et Bergman, 2018&#xa0;; établie sur 12&#xa0;581 adultes et vérifiée sur 3&#xa0;456 autres par absorptiométrie (DXA).</translation>
    </message>
    <message id="Methods of the fat estimate">
        <source></source>
        <translation>Méthodes d’estimation de la graisse</translation>
    </message>
    <message id="Tools, Method chooses how the fat percentage is estimated; the masses, the rate and the band follow from it. The US Navy method shows two more fields, Neck and Hip, under Height. Whatever the method, the fat percentage's explanation (Shift+F1 on its row) lists what every method your entries allow gives, so that you see how far they differ.">
        <source></source>
        <translation>Outils, Méthode choisit comment le taux de graisse est estimé&#xa0;; les masses, le métabolisme et la tranche en découlent. La méthode US Navy affiche deux champs de plus, Cou et Hanches, sous Taille. Quelle que soit la méthode, l’explication du taux de graisse (Maj+F1 sur sa ligne) donne ce que donne chaque méthode que vos saisies permettent, pour que vous voyiez leur écart.</translation>
    </message>
    <message id="What it needs">
        <source></source>
        <translation>Ce qu’il lui faut</translation>
    </message>
    <message id="Where it comes from">
        <source></source>
        <translation>D’où elle vient</translation>
    </message>
    <message id="Neck">
        <source></source>
        <translation>Cou</translation>
    </message>
    <message id="Hip">
        <source></source>
        <translation>Hanches</translation>
    </message>
    <message id="The US Navy method takes the hip for a woman alone: for a man it is not used.">
        <source></source>
        <translation>La méthode US Navy ne prend les hanches que pour une femme&#xa0;: pour un homme, elles ne servent pas.</translation>
    </message>
    <message id="By the US Navy method (Hodgdon and Beckett, 1984): 163.205 times the logarithm of waist plus hip less neck, less 97.684 times the logarithm of height, less 78.387, from inches.">
        <source></source>
        <translation>Selon la méthode US Navy (Hodgdon et Beckett, 1984)&#xa0;: 163,205 fois le logarithme du tour de taille plus les hanches moins le cou, moins 97,684 fois le logarithme de la taille, moins 78,387, en pouces.</translation>
    </message>
    <message id="By the US Navy method (Hodgdon and Beckett, 1984): 86.010 times the logarithm of waist less neck, less 70.041 times the logarithm of height, plus 36.76, from inches.">
        <source></source>
        <translation>Selon la méthode US Navy (Hodgdon et Beckett, 1984)&#xa0;: 86,010 fois le logarithme du tour de taille moins le cou, moins 70,041 fois le logarithme de la taille, plus 36,76, en pouces.</translation>
    </message>
    <message id="By relative fat mass (Woolcott and Bergman, 2018): 64 less 20 times height divided by waist, plus 12 for a woman.">
        <source></source>
        <translation>Selon la masse grasse relative (Woolcott et Bergman, 2018)&#xa0;: 64 moins 20 fois la taille divisée par le tour de taille, plus 12 pour une femme.</translation>
    </message>
    <message id="relative fat mass">
        <source></source>
        <translation>masse grasse relative</translation>
    </message>
    <message id="waist and weight">
        <source></source>
        <translation>taille et poids</translation>
    </message>
    <message id="%1 %2 %">
        <source></source>
        <translation>%1&#xa0;%2&#xa0;%</translation>
    </message>
    <message id="The methods' estimates: %1.">
        <source></source>
        <translation>Les estimations des méthodes&#xa0;:&#xa0;%1.</translation>
    </message>
    <message id="Relative fat mass">
        <source></source>
        <translation>Masse grasse relative</translation>
    </message>
    <message id="Waist and weight">
        <source></source>
        <translation>Taille et poids</translation>
    </message>
    <message id="by the US Navy method">
        <source></source>
        <translation>selon la méthode US Navy</translation>
    </message>
    <message id="by relative fat mass">
        <source></source>
        <translation>selon la masse grasse relative</translation>
    </message>
    <message id="by waist and weight">
        <source></source>
        <translation>selon la taille et le poids</translation>
    </message>
    <message id="The part of your weight that is fat: weight times the fat percentage, divided by 100, in %1.">
        <source></source>
        <translation>La part de votre poids qui est de la graisse&#xa0;: le poids fois le taux de graisse, divisé par 100, en&#xa0;%1.</translation>
    </message>
    <message id="The part of your weight that is not fat: weight less fat body mass, in %1.">
        <source></source>
        <translation>La part de votre poids qui n’est pas de la graisse&#xa0;: le poids moins la masse grasse, en&#xa0;%1.</translation>
    </message>
    <message id="Your neck: measure around it just below the larynx, in %1. The US Navy method needs it.">
        <source></source>
        <translation>Votre cou&#xa0;: mesuré juste sous le larynx, en&#xa0;%1. La méthode US Navy en a besoin.</translation>
    </message>
    <message id="Your hip: measure around it at its widest, in %1. The US Navy method needs it for a woman.">
        <source></source>
        <translation>Vos hanches&#xa0;: mesurées à l’endroit le plus large, en&#xa0;%1. La méthode US Navy en a besoin pour une femme.</translation>
    </message>
    <message id="the units “%1” are neither metric nor imperial">
        <source></source>
        <translation>les unités «&#xa0;%1&#xa0;» ne sont ni metric ni imperial</translation>
    </message>
    <message id="Female is “%1”, not yes or no">
        <source></source>
        <translation>Female vaut «&#xa0;%1&#xa0;», ni yes ni no</translation>
    </message>
    <message id="the method “%1” is none of YMCA, Navy and RFM">
        <source></source>
        <translation>la méthode «&#xa0;%1&#xa0;» n’est ni YMCA, ni Navy, ni RFM</translation>
    </message>
    <message id="%1 “%2” is not a number">
        <source></source>
        <translation>%1 «&#xa0;%2&#xa0;» n’est pas un nombre</translation>
    </message>
    <message id="it is larger than any history could be">
        <source></source>
        <translation>il est plus grand que ne pourrait l’être un historique</translation>
    </message>
    <message id="it is empty">
        <source></source>
        <translation>il est vide</translation>
    </message>
    <message id="%1 is a link to a file of another user's, or to nothing">
        <source></source>
        <translation>%1 est un lien vers le fichier d’un autre utilisateur, ou vers rien</translation>
    </message>
    <message id="%1 is not a file">
        <source></source>
        <translation>%1 n’est pas un fichier</translation>
    </message>
    <message id="%1 is no history of Fenwake's: not an SQLite database">
        <source></source>
        <translation>%1 n’est pas un historique de Fenwake&#xa0;: ce n’est pas une base SQLite</translation>
    </message>
    <message id="cannot make the folder of %1: %2">
        <source></source>
        <translation>impossible de créer le dossier de&#xa0;%1&#xa0;:&#xa0;%2</translation>
    </message>
    <message id="cannot open %1: %2">
        <source></source>
        <translation>impossible d’ouvrir&#xa0;%1&#xa0;:&#xa0;%2</translation>
    </message>
    <message id="cannot read %1: %2">
        <source></source>
        <translation>impossible de lire&#xa0;%1&#xa0;:&#xa0;%2</translation>
    </message>
    <message id="%1 is damaged: %2">
        <source></source>
        <translation>%1 est endommagé&#xa0;:&#xa0;%2</translation>
    </message>
    <message id="%1 is another program's database">
        <source></source>
        <translation>%1 est la base de données d’un autre programme</translation>
    </message>
    <message id="%1 was made by a newer Fenwake">
        <source></source>
        <translation>%1 vient d’un Fenwake plus récent</translation>
    </message>
    <message id="%1 is larger than any history could be">
        <source></source>
        <translation>%1 est plus grand que ne pourrait l’être un historique</translation>
    </message>
    <message id="Add to History">
        <source></source>
        <translation>Ajouter à l’historique</translation>
    </message>
    <message id="History…">
        <source></source>
        <translation>Historique…</translation>
    </message>
    <message id="CSV files (*.csv)">
        <source></source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message id="in">
        <source></source>
        <translation>po</translation>
    </message>
    <message id="Fenwake History">
        <source></source>
        <translation>Historique de Fenwake</translation>
    </message>
    <message id="Export…">
        <source></source>
        <translation>Exporter…</translation>
    </message>
    <message id="Writes the selected entries, or every entry when none is selected, to a CSV file that spreadsheets and other trackers read.">
        <source></source>
        <translation>Écrit les entrées sélectionnées, ou toutes si aucune ne l’est, dans un fichier CSV que lisent les tableurs et les autres suivis.</translation>
    </message>
    <message id="Import…">
        <source></source>
        <translation>Importer…</translation>
    </message>
    <message id="Adds the entries of a CSV file that the history does not hold yet, and says which rows it could not read.">
        <source></source>
        <translation>Ajoute les entrées d’un fichier CSV que l’historique ne contient pas encore, et dit quelles lignes n’ont pas pu être lues.</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Supprimer</translation>
    </message>
    <message id="Removes the selected entries (the Delete key does too); Ctrl+Z brings them back while this window is open.">
        <source></source>
        <translation>Retire les entrées sélectionnées (la touche Suppr aussi)&#xa0;; Ctrl+Z les rétablit tant que cette fenêtre est ouverte.</translation>
    </message>
    <message id="Date and time">
        <source></source>
        <translation>Date et heure</translation>
    </message>
    <message id="Waist (%1)">
        <source></source>
        <translation>Tour de taille (%1)</translation>
    </message>
    <message id="Weight (%1)">
        <source></source>
        <translation>Poids (%1)</translation>
    </message>
    <message id="Height (%1)">
        <source></source>
        <translation>Taille (%1)</translation>
    </message>
    <message id="Fat (%)">
        <source></source>
        <translation>Graisse (%)</translation>
    </message>
    <message id="Fat rating">
        <source></source>
        <translation>Niveau de graisse</translation>
    </message>
    <message id="Body mass index">
        <source></source>
        <translation>Indice de masse corporelle</translation>
    </message>
    <message id="Category">
        <source></source>
        <translation>Catégorie</translation>
    </message>
    <message id="Entries, newest first">
        <source></source>
        <translation>Entrées, les plus récentes d’abord</translation>
    </message>
    <message id="A woman's entry">
        <source></source>
        <translation>Entrée d’une femme</translation>
    </message>
    <message id="A man's entry">
        <source></source>
        <translation>Entrée d’un homme</translation>
    </message>
    <message id="the fat percentage">
        <source></source>
        <translation>le taux de graisse</translation>
    </message>
    <message id="Fat percentage and weight over time">
        <source></source>
        <translation>Taux de graisse et poids au fil du temps</translation>
    </message>
    <message id="Fat percentage (%)">
        <source></source>
        <translation>Taux de graisse (%)</translation>
    </message>
    <message id="No entries yet.">
        <source></source>
        <translation>Aucune entrée pour l’instant.</translation>
    </message>
    <message id="Fat percentage %1 % and weight %2 %3 on %4.">
        <source></source>
        <translation>Taux de graisse&#xa0;%1&#xa0;% et poids&#xa0;%2&#xa0;%3 le&#xa0;%4.</translation>
    </message>
    <message id="Fat percentage from %1 % on %2 to %3 % on %4; weight from %5 %6 to %7 %6.">
        <source></source>
        <translation>Taux de graisse de&#xa0;%1&#xa0;% le&#xa0;%2 à&#xa0;%3&#xa0;% le&#xa0;%4&#xa0;; poids de&#xa0;%5&#xa0;%6 à&#xa0;%7&#xa0;%6.</translation>
    </message>
    <message id="Reading the history…">
        <source></source>
        <translation>Lecture de l’historique…</translation>
    </message>
    <message id="No entries yet: Add to History (Ctrl+D) in the main window keeps the entries and figures as they stand.">
        <source></source>
        <translation>Aucune entrée pour l’instant&#xa0;: «&#xa0;Ajouter à l’historique&#xa0;» (Ctrl+D) dans la fenêtre principale enregistre les saisies et les valeurs telles qu’elles sont.</translation>
    </message>
    <message id="1 entry">
        <source></source>
        <translation>1 entrée</translation>
    </message>
    <message id="%1 entries">
        <source></source>
        <translation>%1 entrées</translation>
    </message>
    <message id="The history is not being kept: %1. What is not kept yet is tried again on its own.">
        <source></source>
        <translation>L’historique n’est pas enregistré&#xa0;:&#xa0;%1. Ce qui ne l’est pas encore est réessayé automatiquement.</translation>
    </message>
    <message id="The history cannot be read: %1.">
        <source></source>
        <translation>Impossible de lire l’historique&#xa0;:&#xa0;%1.</translation>
    </message>
    <message id="%1 removed from the history. Ctrl+Z brings it back.">
        <source></source>
        <translation>%1 retirée(s) de l’historique. Ctrl+Z les rétablit.</translation>
    </message>
    <message id="%1 back in the history.">
        <source></source>
        <translation>%1 de retour dans l’historique.</translation>
    </message>
    <message id="Export the History">
        <source></source>
        <translation>Exporter l’historique</translation>
    </message>
    <message id="Import into the History">
        <source></source>
        <translation>Importer dans l’historique</translation>
    </message>
    <message id="Nothing was exported: %1.">
        <source></source>
        <translation>Rien n’a été exporté&#xa0;:&#xa0;%1.</translation>
    </message>
    <message id="Nothing was imported: %1. The history is as it was.">
        <source></source>
        <translation>Rien n’a été importé&#xa0;:&#xa0;%1. L’historique est inchangé.</translation>
    </message>
    <message id="%1 imported; %2 in the history already; %3 not read.">
        <source></source>
        <translation>%1 importée(s)&#xa0;;&#xa0;%2 déjà dans l’historique&#xa0;;&#xa0;%3 non lue(s).</translation>
    </message>
    <message id="Line %1: %2.">
        <source></source>
        <translation>Ligne&#xa0;%1&#xa0;:&#xa0;%2.</translation>
    </message>
    <message id="Nothing was added to the history. %1">
        <source></source>
        <translation>Rien n’a été ajouté à l’historique.&#xa0;%1</translation>
    </message>
    <message id="Kept in the history: %1.">
        <source></source>
        <translation>Enregistré dans l’historique&#xa0;:&#xa0;%1.</translation>
    </message>
    <message id="%1 exported to %2.">
        <source></source>
        <translation>%1 exportée(s) vers %2.</translation>
    </message>
    <message id="Your history: %1">
        <source></source>
        <translation>Votre historique&#xa0;:&#xa0;%1</translation>
    </message>
    <message id="The history">
        <source></source>
        <translation>L’historique</translation>
    </message>
    <message id="Add to History in the Tools menu keeps your entries as they stand, with the date and time; typing alone adds nothing. History… shows them in a window of its own: a table, newest first, in the units the main window uses, and a chart of the fat percentage and the weight over time. Delete removes the selected rows and Ctrl+Z brings them back while the window is open. Export… writes every entry, or the selected ones, to a CSV file that spreadsheets read; Import… adds the entries of such a file.">
        <source></source>
        <translation>Ajouter à l’historique, dans le menu Outils, garde vos saisies telles quelles, avec la date et l’heure&#xa0;; la frappe seule n’ajoute rien. Historique… les montre dans une fenêtre à part&#xa0;: un tableau, les plus récentes d’abord, dans les unités de la fenêtre principale, et un graphique du taux de graisse et du poids au fil du temps. Suppr retire les lignes sélectionnées et Ctrl+Z les rétablit tant que la fenêtre est ouverte. Exporter… écrit toutes les entrées, ou celles sélectionnées, dans un fichier CSV que lisent les tableurs&#xa0;; Importer… ajoute les entrées d’un tel fichier.</translation>
    </message>
    <message id="The history is kept in %1, an SQLite database. To start afresh, close Fenwake and delete it.">
        <source></source>
        <translation>L’historique est gardé dans %1, une base de données SQLite. Pour repartir de zéro, fermez Fenwake et supprimez-la.</translation>
    </message>
    <message id="Ctrl+D">
        <source></source>
        <translation>Ctrl+D</translation>
    </message>
    <message id="Add to History.">
        <source></source>
        <translation>Ajouter à l’historique.</translation>
    </message>
    <message id="Ctrl+H">
        <source></source>
        <translation>Ctrl+H</translation>
    </message>
    <message id="Opens the history.">
        <source></source>
        <translation>Ouvre l’historique.</translation>
    </message>
    <message id="Delete, Ctrl+Z">
        <source></source>
        <translation>Suppr, Ctrl+Z</translation>
    </message>
    <message id="In the history: remove the selected rows; bring them back.">
        <source></source>
        <translation>Dans l’historique&#xa0;: retirer les lignes sélectionnées&#xa0;; les rétablir.</translation>
    </message>
    <message id="Left, Right, Home, End">
        <source></source>
        <translation>Gauche, Droite, Début, Fin</translation>
    </message>
    <message id="In the history's chart: the entry before or after, the first, the last.">
        <source></source>
        <translation>Dans le graphique de l’historique&#xa0;: l’entrée d’avant ou d’après, la première, la dernière.</translation>
    </message>
    <message id="the history cannot be used without SQLite: %1">
        <source></source>
        <translation>l’historique ne peut servir sans SQLite&#xa0;:&#xa0;%1</translation>
    </message>
    <message id="%1 has other names (hard links), which would keep the old text: it is not replaced">
        <source></source>
        <translation>%1 a d’autres noms (liens physiques), qui garderaient l’ancien texte&#xa0;: il n’est pas remplacé</translation>
    </message>
    <message id="%1 is protected against writing: it is not replaced">
        <source></source>
        <translation>%1 est protégé en écriture&#xa0;: il n’est pas remplacé</translation>
    </message>
    <message id="the date and time “%1” is none Fenwake reads">
        <source></source>
        <translation>la date et l’heure «&#xa0;%1&#xa0;» ne sont pas lisibles par Fenwake</translation>
    </message>
    <message id="its first line names no column of the date and time (such as “Date and time”, “Date” or “dateTime”); it names %1">
        <source></source>
        <translation>sa première ligne ne nomme aucune colonne de la date et de l’heure (comme «&#xa0;Date et heure&#xa0;», «&#xa0;Date&#xa0;» ou «&#xa0;dateTime&#xa0;»)&#xa0;; elle nomme %1</translation>
    </message>
    <message id="its first line names no column of the weight or of the waist (such as “Weight (kg)” or “Waist (cm)”); it names %1">
        <source></source>
        <translation>sa première ligne ne nomme aucune colonne du poids ou du tour de taille (comme «&#xa0;Poids (kg)&#xa0;» ou «&#xa0;Tour de taille (cm)&#xa0;»)&#xa0;; elle nomme %1</translation>
    </message>
    <message id="it has more than %1 fields">
        <source></source>
        <translation>elle a plus de %1 champs</translation>
    </message>
    <message id="the entry of %1 can be neither added to %2 nor found in it">
        <source></source>
        <translation>l’entrée du %1 ne peut être ni ajoutée à %2 ni trouvée dans celui-ci</translation>
    </message>
    <message id="%1 was emptied or overwritten while Fenwake had it open">
        <source></source>
        <translation>%1 a été vidé ou écrasé pendant que Fenwake l’avait ouvert</translation>
    </message>
    <message id="the disk of %1 has room for about %2 of these %3 entries">
        <source></source>
        <translation>le disque de %1 a de la place pour environ %2 de ces %3 entrées</translation>
    </message>
    <message id="%1 is missing, but the log of a database lies beside it (%1-wal)">
        <source></source>
        <translation>%1 manque, mais le journal d’une base de données se trouve à côté (%1-wal)</translation>
    </message>
    <message id="%1 was removed while Fenwake had it open">
        <source></source>
        <translation>%1 a été supprimé pendant que Fenwake l’avait ouvert</translation>
    </message>
    <message id="%1 was replaced by another file while Fenwake had it open">
        <source></source>
        <translation>%1 a été remplacé par un autre fichier pendant que Fenwake l’avait ouvert</translation>
    </message>
    <message id="its dates are day-first in places (“%1”) and month-first in others (“%2”)">
        <source></source>
        <translation>ses dates mettent le jour d’abord par endroits («&#xa0;%1&#xa0;») et le mois d’abord ailleurs («&#xa0;%2&#xa0;»)</translation>
    </message>
    <message id="its dates (“%1”) may be day-first or month-first, and none of them says which">
        <source></source>
        <translation>ses dates («&#xa0;%1&#xa0;») peuvent mettre le jour ou le mois d’abord, et aucune ne dit lequel</translation>
    </message>
    <message id="it is UTF-16 text cut off in a character">
        <source></source>
        <translation>c’est un texte UTF-16 coupé au milieu d’un caractère</translation>
    </message>
    <message id="it is UTF-16 text with a broken character">
        <source></source>
        <translation>c’est un texte UTF-16 avec un caractère abîmé</translation>
    </message>
    <message id="it is no text: it holds zero bytes, as files of programs and UTF-16 without its mark do">
        <source></source>
        <translation>ce n’est pas du texte&#xa0;: il contient des octets nuls, comme les fichiers de programmes et l’UTF-16 sans sa marque</translation>
    </message>
    <message id="Goal…">
        <source></source>
        <translation>Objectif…</translation>
    </message>
    <message id="+, -">
        <source></source>
        <translation>+, -</translation>
    </message>
    <message id="In the history's chart: less time, more time.">
        <source></source>
        <translation>Dans le graphique de l’historique&#xa0;: moins de temps, plus de temps.</translation>
    </message>
    <message id="Method: %1.">
        <source></source>
        <translation>Méthode&#xa0;: %1.</translation>
    </message>
    <message id="Enter your neck and hip to use the US Navy method.">
        <source></source>
        <translation>Saisissez votre cou et vos hanches pour utiliser la méthode US Navy.</translation>
    </message>
    <message id="Enter your neck to use the US Navy method.">
        <source></source>
        <translation>Saisissez votre cou pour utiliser la méthode US Navy.</translation>
    </message>
    <message id="Enter your hip to use the US Navy method.">
        <source></source>
        <translation>Saisissez vos hanches pour utiliser la méthode US Navy.</translation>
    </message>
    <message id="Tick it for a woman: the US Navy method then reads the hip too, by a woman's formula, and the fat percentage is rated by a woman's bands.">
        <source></source>
        <translation>À cocher pour une femme&#xa0;: la méthode US Navy lit alors aussi les hanches, selon la formule pour une femme, et le taux de graisse est apprécié selon les tranches pour une femme.</translation>
    </message>
    <message id="Tick it for a woman: relative fat mass then adds 12, and the fat percentage is rated by a woman's bands.">
        <source></source>
        <translation>À cocher pour une femme&#xa0;: la masse grasse relative ajoute alors 12, et le taux de graisse est apprécié selon les tranches pour une femme.</translation>
    </message>
    <message id="Tick it for a woman: the lean mass then takes a woman's constant, 76.76 instead of a man's 98.42, and the fat percentage is rated by a woman's bands.">
        <source></source>
        <translation>À cocher pour une femme&#xa0;: la masse maigre prend alors la constante d’une femme, 76,76 au lieu des 98,42 d’un homme, et le taux de graisse est apprécié selon les tranches pour une femme.</translation>
    </message>
    <message id="Tick it for centimetres and kilograms, clear it for inches and pounds. What you typed is converted at once, with 2.56 cm to the inch and 2.2 pounds to the kilogram, and the figures follow.">
        <source></source>
        <translation>À cocher pour les centimètres et les kilogrammes, à décocher pour les pouces et les livres. Ce que vous avez saisi est converti aussitôt, à 2,56&#xa0;cm le pouce et 2,2&#xa0;livres le kilogramme, et les valeurs suivent.</translation>
    </message>
    <message id="Goal">
        <source></source>
        <translation>Objectif</translation>
    </message>
    <message id="The History window draws a goal as a line, and says when the trend may reach it. Leave a field empty for no goal.">
        <source></source>
        <translation>La fenêtre Historique trace un objectif comme une ligne et dit quand la tendance peut l’atteindre. Laissez un champ vide pour aucun objectif.</translation>
    </message>
    <message id="The weight you aim for, in the window's units; empty for no goal.">
        <source></source>
        <translation>Le poids que vous visez, dans les unités de la fenêtre&#xa0;; vide pour aucun objectif.</translation>
    </message>
    <message id="The fat percentage you aim for; empty for no goal.">
        <source></source>
        <translation>Le taux de graisse que vous visez&#xa0;; vide pour aucun objectif.</translation>
    </message>
    <message id="Goal weight (%1):">
        <source></source>
        <translation>Poids visé (%1)&#xa0;:</translation>
    </message>
    <message id="Goal fat percentage (%):">
        <source></source>
        <translation>Taux de graisse visé (%)&#xa0;:</translation>
    </message>
    <message id="Clear Goals">
        <source></source>
        <translation>Effacer les objectifs</translation>
    </message>
    <message id="Keeps the goals and closes this window.">
        <source></source>
        <translation>Garde les objectifs et ferme cette fenêtre.</translation>
    </message>
    <message id="Closes this window; the goals stay as they were.">
        <source></source>
        <translation>Ferme cette fenêtre&#xa0;; les objectifs restent tels quels.</translation>
    </message>
    <message id="Empties both fields: no goal.">
        <source></source>
        <translation>Vide les deux champs&#xa0;: aucun objectif.</translation>
    </message>
    <message id="Enter a number, or leave the field empty for no goal.">
        <source></source>
        <translation>Saisissez un nombre, ou laissez le champ vide pour aucun objectif.</translation>
    </message>
    <message id="… and %1 more lines not read.">
        <source></source>
        <translation>… et %1 autres lignes non lues.</translation>
    </message>
    <message id=" and %1 more">
        <source></source>
        <translation> et %1 autres</translation>
    </message>
    <message id="%1 steady %2 %3 a week (%4 to %5)">
        <source></source>
        <translation>%1 stable %2&#xa0;%3 par semaine (%4 à %5)</translation>
    </message>
    <message id="Goal %1: its date is said once the rate is known.">
        <source></source>
        <translation>Objectif %1&#xa0;: sa date sera dite dès que le rythme sera connu.</translation>
    </message>
    <message id="Goal %1: reached.">
        <source></source>
        <translation>Objectif %1&#xa0;: atteint.</translation>
    </message>
    <message id="Goal %1: not on course at the present rate.">
        <source></source>
        <translation>Objectif %1&#xa0;: hors d’atteinte au rythme actuel.</translation>
    </message>
    <message id="Goal %1: at this rate between %2 and %3.">
        <source></source>
        <translation>Objectif %1&#xa0;: à ce rythme entre le %2 et le %3.</translation>
    </message>
    <message id="Weight trend (%1)">
        <source></source>
        <translation>Tendance du poids (%1)</translation>
    </message>
    <message id="Fat trend (%)">
        <source></source>
        <translation>Tendance de la graisse (%)</translation>
    </message>
    <message id="%1 of the history's entries were not kept (%2): %3">
        <source></source>
        <translation>%1 entrées de l’historique n’ont pas été enregistrées (%2)&#xa0;: %3</translation>
    </message>
    <message id="the disk took too long">
        <source></source>
        <translation>le disque a mis trop de temps</translation>
    </message>
    <message id="history not kept yet: %1; it is tried again on its own">
        <source></source>
        <translation>historique pas encore enregistré&#xa0;: %1&#xa0;; nouvel essai automatique</translation>
    </message>
    <message id="a change of the history is given up: %1">
        <source></source>
        <translation>une modification de l’historique est abandonnée&#xa0;: %1</translation>
    </message>
    <message id="Still collecting the early trend: a rate needs entries on 7 days over at least 14 of the last 28.">
        <source></source>
        <translation>La tendance se forme encore&#xa0;: un rythme demande des entrées sur 7 jours répartis sur au moins 14 des 28 derniers.</translation>
    </message>
    <message id="%1 over the last 28 days; of it %2, %3.">
        <source></source>
        <translation>%1 sur les 28 derniers jours&#xa0;; dont %2, %3.</translation>
    </message>
    <message id="fat">
        <source></source>
        <translation>graisse</translation>
    </message>
    <message id="lean">
        <source></source>
        <translation>masse maigre</translation>
    </message>
    <message id="%1 over the last 28 days.">
        <source></source>
        <translation>%1 sur les 28 derniers jours.</translation>
    </message>
    <message id="Weight trend">
        <source></source>
        <translation>Tendance du poids</translation>
    </message>
    <message id="Fat trend">
        <source></source>
        <translation>Tendance de la graisse</translation>
    </message>
    <message id="Goal %1">
        <source></source>
        <translation>Objectif %1</translation>
    </message>
    <message id="%1 of them had been removed by another Fenwake already; the table shows the history as it is now.">
        <source></source>
        <translation>%1 d’entre elles avaient déjà été retirées par un autre Fenwake&#xa0;; le tableau montre l’historique tel qu’il est maintenant.</translation>
    </message>
    <message id="%1 holds no entry that could be read.">
        <source></source>
        <translation>%1 ne contient aucune entrée lisible.</translation>
    </message>
    <message id="%1 holds %2, from %3 to %4.">
        <source></source>
        <translation>%1 contient %2, du %3 au %4.</translation>
    </message>
    <message id="It does not say its units: choose them below.">
        <source></source>
        <translation>Il ne dit pas ses unités&#xa0;: choisissez-les ci-dessous.</translation>
    </message>
    <message id="Its measurements are in centimetres and kilograms.">
        <source></source>
        <translation>Ses mesures sont en centimètres et en kilogrammes.</translation>
    </message>
    <message id="Its measurements are in inches and pounds.">
        <source></source>
        <translation>Ses mesures sont en pouces et en livres.</translation>
    </message>
    <message id="Some of its entries are metric and some imperial; each keeps its own units.">
        <source></source>
        <translation>Certaines de ses entrées sont métriques et d’autres impériales&#xa0;; chacune garde ses unités.</translation>
    </message>
    <message id="%1 of them are in the history already and are not added again.">
        <source></source>
        <translation>%1 d’entre elles sont déjà dans l’historique et ne sont pas ajoutées de nouveau.</translation>
    </message>
    <message id="the waist">
        <source></source>
        <translation>le tour de taille</translation>
    </message>
    <message id="the weight">
        <source></source>
        <translation>le poids</translation>
    </message>
    <message id="the height">
        <source></source>
        <translation>la taille</translation>
    </message>
    <message id="whose they are, a woman's or a man's">
        <source></source>
        <translation>à qui elles sont, une femme ou un homme</translation>
    </message>
    <message id=" and ">
        <source></source>
        <translation> et </translation>
    </message>
    <message id="It does not give %1 for every entry: give it below, for each entry without it.">
        <source></source>
        <translation>Il ne donne pas %1 pour chaque entrée&#xa0;: donnez-le ci-dessous, pour chaque entrée qui en manque.</translation>
    </message>
    <message id="%1 give a date without a time: each is taken at noon.">
        <source></source>
        <translation>%1 donnent une date sans heure&#xa0;: chacune est prise à midi.</translation>
    </message>
    <message id="Its columns %1 hold figures the program that wrote it computed; they are not taken, as Fenwake computes its own from the measurements.">
        <source></source>
        <translation>Ses colonnes %1 contiennent des valeurs calculées par le programme qui l’a écrit&#xa0;; elles ne sont pas reprises, car Fenwake calcule les siennes à partir des mesures.</translation>
    </message>
    <message id="Every line was read.">
        <source></source>
        <translation>Toutes les lignes ont été lues.</translation>
    </message>
    <message id="%1 lines were not read; they are listed below with the reason.">
        <source></source>
        <translation>%1 lignes n’ont pas été lues&#xa0;; elles figurent ci-dessous avec la raison.</translation>
    </message>
    <message id="The chart was exported to %1.">
        <source></source>
        <translation>Le graphique a été exporté vers %1.</translation>
    </message>
    <message id="The chart was not exported: %1.">
        <source></source>
        <translation>Le graphique n’a pas été exporté&#xa0;: %1.</translation>
    </message>
    <message id="The history cannot be kept: %1.">
        <source></source>
        <translation>L’historique ne peut pas être enregistré&#xa0;: %1.</translation>
    </message>
    <message id="Not kept in the history: %1 (%2).">
        <source></source>
        <translation>Non enregistré dans l’historique&#xa0;: %1 (%2).</translation>
    </message>
    <message id="The history was not changed: %1.">
        <source></source>
        <translation>L’historique n’a pas été modifié&#xa0;: %1.</translation>
    </message>
    <message id="PNG images (*.png)">
        <source></source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message id="The weight above and the fat percentage below, each day as a point and the trend as a line, with a goal's level. Left and Right choose an entry, Home and End the first and last; + and - or the wheel show less or more time.">
        <source></source>
        <translation>Le poids en haut et le taux de graisse en bas, chaque jour comme un point et la tendance comme une ligne, avec le niveau d’un objectif. Gauche et Droite choisissent une entrée, Début et Fin la première et la dernière&#xa0;; + et - ou la molette montrent moins ou plus de temps.</translation>
    </message>
    <message id="Every entry kept, newest first. Delete removes the selected ones and Ctrl+Z brings them back; choosing one chooses its day on the chart.">
        <source></source>
        <translation>Chaque entrée enregistrée, les plus récentes d’abord. Suppr retire celles qui sont sélectionnées et Ctrl+Z les rétablit&#xa0;; en choisir une choisit son jour sur le graphique.</translation>
    </message>
    <message id="Closes this window, as Escape and Ctrl+W do.">
        <source></source>
        <translation>Ferme cette fenêtre, comme Échap et Ctrl+W.</translation>
    </message>
    <message id="4 weeks">
        <source></source>
        <translation>4 semaines</translation>
    </message>
    <message id="The chart shows the last four weeks.">
        <source></source>
        <translation>Le graphique montre les quatre dernières semaines.</translation>
    </message>
    <message id="3 months">
        <source></source>
        <translation>3 mois</translation>
    </message>
    <message id="The chart shows the last three months.">
        <source></source>
        <translation>Le graphique montre les trois derniers mois.</translation>
    </message>
    <message id="1 year">
        <source></source>
        <translation>1 an</translation>
    </message>
    <message id="The chart shows the last year.">
        <source></source>
        <translation>Le graphique montre la dernière année.</translation>
    </message>
    <message id="All">
        <source></source>
        <translation>Tout</translation>
    </message>
    <message id="The chart shows every entry, from the first.">
        <source></source>
        <translation>Le graphique montre toutes les entrées, depuis la première.</translation>
    </message>
    <message id="Export the Chart">
        <source></source>
        <translation>Exporter le graphique</translation>
    </message>
    <message id="Copy Chart">
        <source></source>
        <translation>Copier le graphique</translation>
    </message>
    <message id="Export Chart…">
        <source></source>
        <translation>Exporter le graphique…</translation>
    </message>
    <message id="The chart is copied as an image.">
        <source></source>
        <translation>Le graphique est copié comme image.</translation>
    </message>
    <message id="Lines not read">
        <source></source>
        <translation>Lignes non lues</translation>
    </message>
    <message id="Each line of the file that was not read, and why. Ctrl+C copies the chosen lines, or all of them.">
        <source></source>
        <translation>Chaque ligne du fichier qui n’a pas été lue, et pourquoi. Ctrl+C copie les lignes choisies, ou toutes.</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importer</translation>
    </message>
    <message id="What the file holds; nothing of it is written until you choose Import.">
        <source></source>
        <translation>Ce que contient le fichier&#xa0;; rien n’en est écrit avant que vous choisissiez Importer.</translation>
    </message>
    <message id="Adds the entries to the history, all at once.">
        <source></source>
        <translation>Ajoute les entrées à l’historique, toutes à la fois.</translation>
    </message>
    <message id="Closes this window; nothing is added.">
        <source></source>
        <translation>Ferme cette fenêtre&#xa0;; rien n’est ajouté.</translation>
    </message>
    <message id="The file gives none: this is taken for each of its entries that has none.">
        <source></source>
        <translation>Le fichier n’en donne pas&#xa0;: cette valeur est prise pour chacune de ses entrées qui n’en a pas.</translation>
    </message>
    <message id="The file does not say whose the entries are: tick it for a woman's.">
        <source></source>
        <translation>Le fichier ne dit pas à qui sont les entrées&#xa0;: cochez pour celles d’une femme.</translation>
    </message>
    <message id="The file does not say its units: tick it for centimetres and kilograms, clear it for inches and pounds.">
        <source></source>
        <translation>Le fichier ne dit pas ses unités&#xa0;: cochez pour les centimètres et les kilogrammes, décochez pour les pouces et les livres.</translation>
    </message>
    <message id="1 line was not read; it is listed below with the reason.">
        <source></source>
        <translation>1 ligne n’a pas été lue&#xa0;; elle figure ci-dessous avec la raison.</translation>
    </message>
</context>
</TS>
