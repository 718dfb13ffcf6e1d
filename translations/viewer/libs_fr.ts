<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QMViewer::PreviewArea</name>
    <message>
        <source>Cannot load %1.</source>
        <translation>Impossible de charger %1.</translation>
    </message>
</context>
</TS>
