<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>QMViewer::PreviewArea</name>
    <message>
        <source>Cannot load %1.</source>
        <translation>%1을(를) 불러올 수 없습니다.</translation>
    </message>
</context>
</TS>
