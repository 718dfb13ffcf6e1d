<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>aucun affichage graphique n&apos;est disponible (DISPLAY et WAYLAND_DISPLAY ne sont pas définies).</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>aucun affichage Wayland n&apos;est disponible (WAYLAND_DISPLAY n&apos;est pas définie).</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>impossible de se connecter à l&apos;affichage « %1 ».</translation>
    </message>
</context>
</TS>
