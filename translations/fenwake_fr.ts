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
    <message id="The share of your weight that is fat: fat body mass divided by weight, times 100. %1">
        <source></source>
        <translation>La part de graisse dans votre poids&#xa0;: la masse grasse divisée par le poids, fois 100. %1</translation>
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
</context>
</TS>
