<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>RADarir::BaseMainPage</name>
    <message>
        <source>Must Have</source>
        <translation>Unverzichtbar</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Schön zu haben</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Sehen</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>Wikipedia</translation>
    </message>
</context>
<context>
    <name>RADarir::FavoritesDeleteDlg</name>
    <message>
        <source>Delete the chords</source>
        <translation>Akkorde löschen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>Akkord hinzufügen</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponieren</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>Gewählten Akkord entfernen</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen …</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>Favorit speichern</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>Name des Favoriten:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>Ein Favorit ohne Namen kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>Den Favoriten entfernen:
 „</translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation>“?</translation>
    </message>
</context>
</TS>
