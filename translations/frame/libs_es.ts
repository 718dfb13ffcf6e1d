<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>no hay ninguna pantalla gráfica disponible (DISPLAY y WAYLAND_DISPLAY no están definidas).</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>no hay ninguna pantalla Wayland disponible (WAYLAND_DISPLAY no está definida).</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>no se puede conectar con la pantalla «%1».</translation>
    </message>
</context>
</TS>
