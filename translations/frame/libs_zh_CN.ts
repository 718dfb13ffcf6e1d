<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>没有可用的图形显示（未设置 DISPLAY 和 WAYLAND_DISPLAY）。</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>没有可用的 Wayland 显示（未设置 WAYLAND_DISPLAY）。</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>无法连接到显示 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>只有 Wayland 显示可用（未设置 DISPLAY），且工具包的 Wayland 支持（软件包 qtwayland5）未安装。</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>无法连接到 Wayland 显示“%1”。</translation>
    </message>
</context>
</TS>
