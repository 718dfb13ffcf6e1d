<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>графический дисплей недоступен (переменные DISPLAY и WAYLAND_DISPLAY не заданы).</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>дисплей Wayland недоступен (переменная WAYLAND_DISPLAY не задана).</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>не удаётся подключиться к дисплею «%1».</translation>
    </message>
</context>
</TS>
