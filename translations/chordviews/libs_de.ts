<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>RADarir::ChordBaseView</name>
    <message>
        <source>Drag&amp;Drop this picture to any editor</source>
        <translation>Ziehen Sie dieses Bild in einen beliebigen Editor</translation>
    </message>
</context>
</TS>
