<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ZEDireroz::InputDialog</name>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LicenseDialog</name>
    <message>
        <source>License Agreement</source>
        <translation>اتفاقية الترخيص</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>&amp;أوافق</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>لا &amp;أوافق</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MessageBox</name>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>نعم للكل</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>لا للكل</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoScreenShotWidget</name>
    <message>
        <source>No!</source>
        <translation>لا!</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TopWidget</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
</context>
</TS>
