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
    <message id="the date and time “%1” is no ISO 8601 time">
        <source></source>
        <translation>la date et l’heure «&#xa0;%1&#xa0;» ne sont pas une heure ISO 8601</translation>
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
    <message id="its first line names no column “%1”">
        <source></source>
        <translation>sa première ligne ne nomme aucune colonne «&#xa0;%1&#xa0;»</translation>
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
    <message id="%1 cannot be written: %2">
        <source></source>
        <translation>impossible d’écrire&#xa0;%1&#xa0;:&#xa0;%2</translation>
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
    <message id="%1 of the history's entries were not kept: %2">
        <source></source>
        <translation>%1 entrées de l’historique n’ont pas été enregistrées&#xa0;:&#xa0;%2</translation>
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
</context>
</TS>
