<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>StartupPrompts</name>
    <message>
        <source>Tickwren cannot write to its folder %1.
Settings and changes will not be saved.</source>
        <translation>Tickwren ne peut pas écrire dans son dossier %1.
Les réglages et les modifications ne seront pas enregistrés.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tickwren cannot start: %1</source>
        <translation>Tickwren ne peut pas démarrer : %1</translation>
    </message>
</context>
</TS>
