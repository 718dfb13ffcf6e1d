<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Este archivo no se puede reproducir: falta, no se puede leer o no es un archivo de sonido.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
</context>
</TS>
