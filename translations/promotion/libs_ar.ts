<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ZEDireroz::AboutDialog</name>
    <message>
        <source> Info</source>
        <translation> – معلومات</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>موافق(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EmailEdit</name>
    <message>
        <source>Send an ecard</source>
        <translation>إرسال بطاقة إلكترونية</translation>
    </message>
    <message>
        <source>Send an email</source>
        <translation>إرسال بريد إلكتروني</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – مقدمة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Never show on start</source>
        <translation>عدم العرض عند البدء أبدًا(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>انضم إلينا</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinWidget</name>
    <message>
        <source>Join us and stay informed about our</source>
        <translation>انضم إلينا وابقَ على اطلاع على</translation>
    </message>
    <message>
        <source>   1. One Day FREE APP Actions&lt;br&gt;</source>
        <translation>   1. عروض التطبيقات المجانية ليوم واحد&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. APP Updates&lt;br&gt;</source>
        <translation>   2. تحديثات التطبيقات&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. New APPs&lt;br&gt;</source>
        <translation>   3. التطبيقات الجديدة&lt;br&gt;</translation>
    </message>
    <message>
        <source>   4. Important News&lt;br&gt;</source>
        <translation>   4. الأخبار المهمة&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LinkDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>نعم(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>لا(&amp;N)</translation>
    </message>
    <message>
        <source>Do you want to know what you can achieve&lt;BR&gt;with %1?</source>
        <translation>هل تريد أن تعرف ما يمكنك تحقيقه&lt;BR&gt;باستخدام %1؟</translation>
    </message>
    <message>
        <source>&lt;BR&gt;(Watch the Video Introduction)&lt;/H3&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;BR&gt;(شاهد المقدمة المصورة)&lt;/H3&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>عدم إظهار مربع الحوار هذا مرة أخرى</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SharePanel</name>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellDialog</name>
    <message>
        <source>If you like &quot;</source>
        <translation>إذا أعجبك &quot;</translation>
    </message>
    <message>
        <source>, &lt;br&gt;please share it with your friends.&lt;br&gt;Thanks!</source>
        <translation>، &lt;br&gt;فشاركه مع أصدقائك.&lt;br&gt;شكرًا!</translation>
    </message>
</context>
</TS>
