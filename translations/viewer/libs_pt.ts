<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QMViewer::PreviewArea</name>
    <message>
        <source>Cannot load %1.</source>
        <translation>Não é possível carregar %1.</translation>
    </message>
</context>
</TS>
