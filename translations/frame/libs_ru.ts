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
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>доступен только дисплей Wayland (DISPLAY не задан), а поддержка Wayland в наборе инструментов (пакет qtwayland5) не установлена.</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>не удаётся подключиться к дисплею Wayland «%1».</translation>
    </message>
</context>
</TS>
