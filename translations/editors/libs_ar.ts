<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ZEDireroz::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;إظهار المعلومات</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;تطبيق</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;إعادة تعيين</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>العمليات</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>محرر أنماط CSS</translation>
    </message>
</context>
</TS>
