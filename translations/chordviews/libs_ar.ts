<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>RADarir::ChordBaseView</name>
    <message>
        <source>Drag&amp;Drop this picture to any editor</source>
        <translation>اسحب هذه الصورة وأفلتها في أي محرر</translation>
    </message>
</context>
</TS>
