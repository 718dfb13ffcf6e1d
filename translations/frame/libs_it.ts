<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>nessun display grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate).</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>nessun display Wayland disponibile (WAYLAND_DISPLAY non è impostata).</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>impossibile connettersi al display &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>è disponibile solo uno schermo Wayland (DISPLAY non è impostata) e il supporto Wayland del toolkit (pacchetto qtwayland5) non è installato.</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>impossibile connettersi allo schermo Wayland «%1».</translation>
    </message>
</context>
</TS>
