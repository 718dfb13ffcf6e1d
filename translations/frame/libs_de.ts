<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>keine grafische Anzeige verfügbar (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt).</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>keine Wayland-Anzeige verfügbar (WAYLAND_DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>Verbindung zur Anzeige „%1“ nicht möglich.</translation>
    </message>
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>nur eine Wayland-Anzeige ist verfügbar (DISPLAY ist nicht gesetzt), und die Wayland-Unterstützung des Toolkits (Paket qtwayland5) ist nicht installiert.</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>Verbindung zur Wayland-Anzeige „%1“ nicht möglich.</translation>
    </message>
</context>
</TS>
