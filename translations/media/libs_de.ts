<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Diese Datei kann nicht abgespielt werden: Sie fehlt, ist nicht lesbar oder ist keine Audiodatei.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
</context>
</TS>
