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
</context>
</TS>
