<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>StartupPrompts</name>
    <message>
        <source>Tickwren cannot write to its folder %1.
Settings and changes will not be saved.</source>
        <translation>لا يستطيع Tickwren الكتابة في مجلده %1.
لن تُحفظ الإعدادات والتغييرات.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tickwren cannot start: %1</source>
        <translation>لا يمكن تشغيل Tickwren: %1</translation>
    </message>
</context>
</TS>
