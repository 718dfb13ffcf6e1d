<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – الإعدادات</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>موافق(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>تطبيق(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>حفظ الإعدادات</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>تحميل الإعدادات</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>حفظ الإعدادات</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>تعذّر حفظ الإعدادات في %1: %2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>تحميل الإعدادات</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>تعذّر تحميل الإعدادات من %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>تعذّر تحميل الإعدادات من %1: %2 (السطر %3)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 موجود بالفعل.
هل تريد استبداله؟</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;جارٍ البحث عن التحديثات&lt;BR&gt;يرجى الانتظار ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>ردّ خادم التحديثات بخطأ (%1).
هل تريد الانتقال إلى صفحة التحديثات على الويب؟</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>لم يردّ خادم التحديثات في الوقت المحدد.
هل تريد الانتقال إلى صفحة التحديثات على الويب؟</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>لا يوجد اتصال بالإنترنت.
هل تريد الانتقال إلى صفحة التحديثات على الويب؟</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>تعذّرت قراءة معلومات التحديث.
هل تريد الانتقال إلى صفحة التحديثات على الويب؟</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>يتوفر إصدار أحدث من %1.
هل تريد الانتقال إلى صفحة التحديثات على الويب؟</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;أنت تستخدم أحدث إصدار متاح.&lt;BR&gt;هل تريد الانتقال إلى صفحة التحديثات على الويب؟&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – إشعار التحديثات</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>التحقق من التحديثات عند البدء</translation>
    </message>
</context>
</TS>
