<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ZEDireroz::AppMenu</name>
    <message>
        <source>Rate this App</source>
        <translation>قيّم هذا التطبيق</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>مشاركة</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>انضم إلينا</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>مزيد من التطبيقات</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>اتصل بنا</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>صفحة الدعم</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>انضم إلينا</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PromoMenuBar</name>
    <message>
        <source>Introduction</source>
        <translation>مقدمة</translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation>قيّم التطبيق</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>مزيد من التطبيقات</translation>
    </message>
    <message>
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>مشاركة</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>انضم إلينا</translation>
    </message>
    <message>
        <source>App Menu</source>
        <translation>قائمة التطبيق</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::RateReminderDialog</name>
    <message>
        <source>&lt;br&gt;please rate it in the App Store.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;يرجى تقييمه في App Store.&lt;br&gt;شكرًا!</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>قيّمه &amp;الآن</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ReminderDialog</name>
    <message>
        <source>Help Spread the Word about &quot;</source>
        <translation>ساعد في نشر &quot;</translation>
    </message>
    <message>
        <source>&amp;Maybe Later</source>
        <translation>&amp;ربما لاحقًا</translation>
    </message>
    <message>
        <source>&amp;Never Ask Me Again</source>
        <translation>لا تسألني مرة &amp;أخرى</translation>
    </message>
    <message>
        <source>If you like </source>
        <translation>إذا أعجبك تطبيق </translation>
    </message>
    <message>
        <source>-App,</source>
        <translation>،</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>مشاركة</translation>
    </message>
    <message>
        <source>&lt;br&gt;Share it with Your Friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;شاركه مع أصدقائك.&lt;br&gt;شكرًا!</translation>
    </message>
</context>
</TS>
