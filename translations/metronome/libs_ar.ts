<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>RADarir::MetronomeControls</name>
    <message>
        <source>Largo</source>
        <translation>لارغو</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>أداجيو</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>أندانتي</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>موديراتو</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>أليغرو</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>بريستو</translation>
    </message>
    <message>
        <source>Visible Tick</source>
        <translation>نبضة مرئية</translation>
    </message>
    <message>
        <source>Audible Tick</source>
        <translation>نبضة مسموعة</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A tempo range in beats per minute, lower and upper bound.</extracomment>
        <translation>%1-%2</translation>
    </message>
</context>
</TS>
