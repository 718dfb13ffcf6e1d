<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>Il n&apos;y a plus d&apos;espace libre sur le périphérique.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>Le quota de disque est épuisé.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permission refusée.</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>Le système de fichiers est en lecture seule.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>Ce nom est celui d&apos;un dossier.</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>Une partie du chemin n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>Le fichier est trop volumineux pour le système de fichiers.</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>Le périphérique a signalé une erreur d&apos;entrée ou de sortie.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Le nom est trop long.</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>Le fichier fait %1, plus que les %2 qui peuvent être ouverts ici.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>Le Bélier</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>Le Taureau</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>Les Jumeaux</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>Le Crabe</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>Le Lion</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>La Jeune Fille</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>La Balance</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>Le Scorpion</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>L&apos;Archer</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>La Chèvre de mer</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>Le Porteur d&apos;eau</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>Les Poissons</translation>
    </message>
</context>
</TS>
