<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>RADarir::NotesWidget</name>
    <message>
        <source>do</source>
        <translation>सा</translation>
    </message>
    <message>
        <source>re</source>
        <translation>रे</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>ग</translation>
    </message>
    <message>
        <source>fa</source>
        <translation>म</translation>
    </message>
    <message>
        <source>sol</source>
        <translation>प</translation>
    </message>
    <message>
        <source>la</source>
        <translation>ध</translation>
    </message>
    <message>
        <source>si</source>
        <translation>नि</translation>
    </message>
</context>
</TS>
