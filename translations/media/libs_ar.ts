<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>لا يمكن تشغيل هذا الملف: فهو غير موجود أو غير قابل للقراءة أو ليس ملفًا صوتيًا.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>الرقم</translation>
    </message>
</context>
</TS>
