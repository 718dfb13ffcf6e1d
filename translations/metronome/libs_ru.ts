<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>RADarir::MetronomeControls</name>
    <message>
        <source>Largo</source>
        <translation>Ларго</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>Адажио</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>Анданте</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Модерато</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>Аллегро</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>Престо</translation>
    </message>
    <message>
        <source>Visible Tick</source>
        <translation>Видимый удар</translation>
    </message>
    <message>
        <source>Audible Tick</source>
        <translation>Слышимый удар</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A tempo range in beats per minute, lower and upper bound.</extracomment>
        <translation>%1–%2</translation>
    </message>
</context>
</TS>
