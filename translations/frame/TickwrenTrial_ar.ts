<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>main</name>
    <message>
        <source>Tickwren cannot start: %1</source>
        <translation>لا يمكن تشغيل Tickwren: %1</translation>
    </message>
</context>
</TS>
