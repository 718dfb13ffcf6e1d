<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>RADarir::MetronomeControls</name>
    <message>
        <source>Largo</source>
        <translation>라르고</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>아다지오</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>안단테</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>모데라토</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>알레그로</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>프레스토</translation>
    </message>
    <message>
        <source>Visible Tick</source>
        <translation>보이는 박</translation>
    </message>
    <message>
        <source>Audible Tick</source>
        <translation>들리는 박</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>범위</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A tempo range in beats per minute, lower and upper bound.</extracomment>
        <translation>%1-%2</translation>
    </message>
</context>
</TS>
