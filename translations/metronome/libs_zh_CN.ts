<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>RADarir::MetronomeControls</name>
    <message>
        <source>Largo</source>
        <translation>广板</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>柔板</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>行板</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>中板</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>快板</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>急板</translation>
    </message>
    <message>
        <source>Visible Tick</source>
        <translation>可见节拍</translation>
    </message>
    <message>
        <source>Audible Tick</source>
        <translation>可听节拍</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>范围</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A tempo range in beats per minute, lower and upper bound.</extracomment>
        <translation>%1-%2</translation>
    </message>
</context>
</TS>
