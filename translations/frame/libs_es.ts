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
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>solo hay disponible una pantalla Wayland (DISPLAY no está definida) y la compatibilidad con Wayland del kit de herramientas (paquete qtwayland5) no está instalada.</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>no se puede conectar a la pantalla Wayland «%1».</translation>
    </message>
</context>
</TS>
