<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>StartupPrompts</name>
    <message>
        <source>Tickwren cannot write to its folder %1.
Settings and changes will not be saved.</source>
        <translation>Tickwren अपने फ़ोल्डर %1 में नहीं लिख सकता।
सेटिंग्स और बदलाव सहेजे नहीं जाएँगे।</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tickwren cannot start: %1</source>
        <translation>Tickwren शुरू नहीं हो सकता: %1</translation>
    </message>
</context>
</TS>
