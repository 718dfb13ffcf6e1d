<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>لا تتوفر شاشة رسومية (لم يتم تعيين DISPLAY و WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>لا تتوفر شاشة Wayland (لم يتم تعيين WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>تعذر الاتصال بالشاشة &quot;%1&quot;.</translation>
    </message>
</context>
</TS>
