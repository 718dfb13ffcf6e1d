<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>RADarir::ChordBaseView</name>
    <message>
        <source>Drag&amp;Drop this picture to any editor</source>
        <translation>Перетащите это изображение в любой редактор</translation>
    </message>
</context>
</TS>
