<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>nenhuma tela gráfica está disponível (DISPLAY e WAYLAND_DISPLAY não estão definidas).</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>nenhuma tela Wayland está disponível (WAYLAND_DISPLAY não está definida).</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>não é possível conectar-se à tela &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>só está disponível um ecrã Wayland (DISPLAY não está definido) e o suporte Wayland do toolkit (pacote qtwayland5) não está instalado.</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>não é possível ligar ao ecrã Wayland «%1».</translation>
    </message>
</context>
</TS>
