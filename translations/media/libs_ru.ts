<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Этот файл нельзя воспроизвести: он отсутствует, не читается или не является звуковым файлом.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
</context>
</TS>
