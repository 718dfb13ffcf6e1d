<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>RADarir::ChordBaseView</name>
    <message>
        <source>Drag&amp;Drop this picture to any editor</source>
        <translation>Faites glisser cette image vers n’importe quel éditeur</translation>
    </message>
</context>
</TS>
