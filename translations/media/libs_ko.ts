<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>이 파일을 재생할 수 없습니다. 파일이 없거나, 읽을 수 없거나, 소리 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>번호</translation>
    </message>
</context>
</TS>
