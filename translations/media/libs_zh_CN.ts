<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>无法播放此文件：文件不存在、无法读取或不是声音文件。</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>编号</translation>
    </message>
</context>
</TS>
