<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>StartupPrompts</name>
    <message>
        <source>Tickwren cannot write to its folder %1.
Settings and changes will not be saved.</source>
        <translation>Tickwren не может записывать в свою папку %1.
Настройки и изменения не будут сохранены.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tickwren cannot start: %1</source>
        <translation>Не удаётся запустить Tickwren: %1</translation>
    </message>
</context>
</TS>
