<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>RADarir::NotesWidget</name>
    <message>
        <source>do</source>
        <translation>دو</translation>
    </message>
    <message>
        <source>re</source>
        <translation>ري</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>مي</translation>
    </message>
    <message>
        <source>fa</source>
        <translation>فا</translation>
    </message>
    <message>
        <source>sol</source>
        <translation>صول</translation>
    </message>
    <message>
        <source>la</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>si</source>
        <translation>سي</translation>
    </message>
</context>
</TS>
