<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>StartupPrompts</name>
    <message>
        <source>Tickwren cannot write to its folder %1.
Settings and changes will not be saved.</source>
        <translation>Tickwren 无法写入其文件夹 %1。
设置和更改将不会被保存。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tickwren cannot start: %1</source>
        <translation>Tickwren 无法启动：%1</translation>
    </message>
</context>
</TS>
