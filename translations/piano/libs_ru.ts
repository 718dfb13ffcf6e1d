<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>RADarir::NotesWidget</name>
    <message>
        <source>do</source>
        <translation>до</translation>
    </message>
    <message>
        <source>re</source>
        <translation>ре</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>ми</translation>
    </message>
    <message>
        <source>fa</source>
        <translation>фа</translation>
    </message>
    <message>
        <source>sol</source>
        <translation>соль</translation>
    </message>
    <message>
        <source>la</source>
        <translation>ля</translation>
    </message>
    <message>
        <source>si</source>
        <translation>си</translation>
    </message>
</context>
</TS>
