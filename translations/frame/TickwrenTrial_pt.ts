<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>main</name>
    <message>
        <source>Tickwren cannot start: %1</source>
        <translation>O Tickwren não pode ser iniciado: %1</translation>
    </message>
</context>
</TS>
