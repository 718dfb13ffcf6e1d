<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>사용할 수 있는 그래픽 디스플레이가 없습니다(DISPLAY와 WAYLAND_DISPLAY가 설정되지 않음).</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>사용할 수 있는 Wayland 디스플레이가 없습니다(WAYLAND_DISPLAY가 설정되지 않음).</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>디스플레이 &quot;%1&quot;에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>Wayland 디스플레이만 사용할 수 있으며(DISPLAY가 설정되지 않음) 툴킷의 Wayland 지원(패키지 qtwayland5)이 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>Wayland 디스플레이 "%1"에 연결할 수 없습니다.</translation>
    </message>
</context>
</TS>
