<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>StartupPrompts</name>
    <message>
        <source>Tickwren cannot write to its folder %1.
Settings and changes will not be saved.</source>
        <translation>Tickwren non può scrivere nella sua cartella %1.
Impostazioni e modifiche non verranno salvate.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tickwren cannot start: %1</source>
        <translation>Impossibile avviare Tickwren: %1</translation>
    </message>
</context>
</TS>
