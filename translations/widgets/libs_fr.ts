<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ZEDireroz::ComboProgress</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CommunityButton</name>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::DirView</name>
    <message>
        <source>Dir View</source>
        <translation>Vue des dossiers</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::IconView</name>
    <message>
        <source>&amp;Open In Separate View</source>
        <translation>&amp;Ouvrir dans une vue séparée</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MenuButton</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ResolutionSetupWidget</name>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SearchFilter</name>
    <message>
        <source>Search Filter</source>
        <translation>Filtre de recherche</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Rechercher :</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::VirtualResolutionDialog</name>
    <message>
        <source>Virtual Resolution Mode</source>
        <translation>Mode résolution virtuelle</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Mode normal</translation>
    </message>
    <message>
        <source>Virtual Resolution</source>
        <translation>Résolution virtuelle</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Taille de la fenêtre</translation>
    </message>
    <message>
        <source>OpenGL Acceleration</source>
        <translation>Accélération OpenGL</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
</context>
</TS>
