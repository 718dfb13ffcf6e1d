<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>لا تتوفر شاشة رسومية (لم يتم تعيين DISPLAY و WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>لا تتوفر شاشة Wayland (لم يتم تعيين WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>تعذر الاتصال بالشاشة &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>لا تتوفر سوى شاشة Wayland (لم يُضبط DISPLAY)، ودعم Wayland في مجموعة الأدوات (الحزمة qtwayland5) غير مثبت.</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>تعذّر الاتصال بشاشة Wayland "%1".</translation>
    </message>
</context>
</TS>
