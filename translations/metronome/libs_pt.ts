<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>RADarir::MetronomeControls</name>
    <message>
        <source>Largo</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>Adagio</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>Andante</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Moderato</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>Allegro</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>Presto</translation>
    </message>
    <message>
        <source>Visible Tick</source>
        <translation>Batida visível</translation>
    </message>
    <message>
        <source>Audible Tick</source>
        <translation>Batida audível</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A tempo range in beats per minute, lower and upper bound.</extracomment>
        <translation>%1-%2</translation>
    </message>
</context>
</TS>
