<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QMViewer::PreviewArea</name>
    <message>
        <source>Cannot load %1.</source>
        <translation>%1 kann nicht geladen werden.</translation>
    </message>
</context>
</TS>
