<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Impossibile riprodurre questo file: manca, non è leggibile o non è un file audio.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
</context>
</TS>
