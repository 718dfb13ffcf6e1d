<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>RADarir::NotesWidget</name>
    <message>
        <source>do</source>
        <translation>哆</translation>
    </message>
    <message>
        <source>re</source>
        <translation>来</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>咪</translation>
    </message>
    <message>
        <source>fa</source>
        <translation>发</translation>
    </message>
    <message>
        <source>sol</source>
        <translation>嗦</translation>
    </message>
    <message>
        <source>la</source>
        <translation>拉</translation>
    </message>
    <message>
        <source>si</source>
        <translation>西</translation>
    </message>
</context>
</TS>
