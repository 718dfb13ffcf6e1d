<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>QMViewer::PreviewArea</name>
    <message>
        <source>Cannot load %1.</source>
        <translation>%1 लोड नहीं हो सका।</translation>
    </message>
</context>
</TS>
