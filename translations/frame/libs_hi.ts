<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>कोई ग्राफ़िकल डिस्प्ले उपलब्ध नहीं है (DISPLAY और WAYLAND_DISPLAY सेट नहीं हैं)।</translation>
    </message>
    <message>
        <source>no Wayland display is available (WAYLAND_DISPLAY is not set).</source>
        <translation>कोई Wayland डिस्प्ले उपलब्ध नहीं है (WAYLAND_DISPLAY सेट नहीं है)।</translation>
    </message>
    <message>
        <source>cannot connect to the display &quot;%1&quot;.</source>
        <translation>डिस्प्ले &quot;%1&quot; से कनेक्ट नहीं हो सका।</translation>
    </message>
    <message>
        <source>only a Wayland display is available (DISPLAY is not set), and the toolkit&apos;s Wayland support (package qtwayland5) is not installed.</source>
        <translation>केवल एक Wayland डिस्प्ले उपलब्ध है (DISPLAY सेट नहीं है), और टूलकिट का Wayland समर्थन (पैकेज qtwayland5) इंस्टॉल नहीं है।</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>Wayland डिस्प्ले "%1" से कनेक्ट नहीं हो सकता।</translation>
    </message>
</context>
</TS>
