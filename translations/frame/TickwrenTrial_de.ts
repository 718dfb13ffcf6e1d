<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>StartupPrompts</name>
    <message>
        <source>Tickwren cannot write to its folder %1.
Settings and changes will not be saved.</source>
        <translation>Tickwren kann nicht in seinen Ordner %1 schreiben.
Einstellungen und Änderungen werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tickwren cannot start: %1</source>
        <translation>Tickwren kann nicht starten: %1</translation>
    </message>
</context>
</TS>
