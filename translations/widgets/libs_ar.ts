<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ZEDireroz::ComboProgress</name>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CommunityButton</name>
    <message>
        <source>Share</source>
        <translation>مشاركة</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::DirView</name>
    <message>
        <source>Dir View</source>
        <translation>عرض المجلدات</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::IconView</name>
    <message>
        <source>&amp;Open In Separate View</source>
        <translation>فتح في عرض منفصل(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MenuButton</name>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ResolutionSetupWidget</name>
    <message>
        <source>Low</source>
        <translation>منخفضة</translation>
    </message>
    <message>
        <source>High</source>
        <translation>عالية</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SearchFilter</name>
    <message>
        <source>Search Filter</source>
        <translation>مرشح البحث</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>بحث:</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::VirtualResolutionDialog</name>
    <message>
        <source>Virtual Resolution Mode</source>
        <translation>وضع الدقة الافتراضية</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>الوضع العادي</translation>
    </message>
    <message>
        <source>Virtual Resolution</source>
        <translation>الدقة الافتراضية</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>حجم النافذة</translation>
    </message>
    <message>
        <source>OpenGL Acceleration</source>
        <translation>تسريع OpenGL</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>موافق(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>تطبيق(&amp;A)</translation>
    </message>
</context>
</TS>
