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
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>seul un affichage Wayland est disponible (DISPLAY n’est pas défini) et la prise en charge de Wayland par la boîte à outils (paquet qtwayland5) n’est pas installée.</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>impossible de se connecter à l’affichage Wayland « %1 ».</translation>
    </message>
</context>
</TS>
