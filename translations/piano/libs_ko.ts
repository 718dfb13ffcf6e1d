<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>RADarir::NotesWidget</name>
    <message>
        <source>do</source>
        <translation>도</translation>
    </message>
    <message>
        <source>re</source>
        <translation>레</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>미</translation>
    </message>
    <message>
        <source>fa</source>
        <translation>파</translation>
    </message>
    <message>
        <source>sol</source>
        <translation>솔</translation>
    </message>
    <message>
        <source>la</source>
        <translation>라</translation>
    </message>
    <message>
        <source>si</source>
        <translation>시</translation>
    </message>
</context>
</TS>
