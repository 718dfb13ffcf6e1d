<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>RADarir::MetronomeControls</name>
    <message>
        <source>Largo</source>
        <translation>लार्गो</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>अडाजियो</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>अंदांते</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>मॉडरेटो</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>अलेग्रो</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>प्रेस्टो</translation>
    </message>
    <message>
        <source>Visible Tick</source>
        <translation>दिखने वाली थाप</translation>
    </message>
    <message>
        <source>Audible Tick</source>
        <translation>सुनाई देने वाली थाप</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>सीमा</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A tempo range in beats per minute, lower and upper bound.</extracomment>
        <translation>%1-%2</translation>
    </message>
</context>
</TS>
