<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>RADarir::NotesWidget</name>
    <message>
        <source>do</source>
        <translation>do</translation>
    </message>
    <message>
        <source>re</source>
        <translation>ré</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>fa</source>
        <translation>fa</translation>
    </message>
    <message>
        <source>sol</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>la</source>
        <translation>la</translation>
    </message>
    <message>
        <source>si</source>
        <translation>si</translation>
    </message>
</context>
</TS>
