<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ZEDireroz::AboutDialog</name>
    <message>
        <source> Info</source>
        <translation> — сведения</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EmailEdit</name>
    <message>
        <source>Send an ecard</source>
        <translation>Отправить открытку</translation>
    </message>
    <message>
        <source>Send an email</source>
        <translation>Отправить письмо</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> — введение</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Never show on start</source>
        <translation>&amp;Не показывать при запуске</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Присоединяйтесь</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinWidget</name>
    <message>
        <source>Join us and stay informed about our</source>
        <translation>Присоединяйтесь и узнавайте первыми о наших</translation>
    </message>
    <message>
        <source>   1. One Day FREE APP Actions&lt;br&gt;</source>
        <translation>   1. Акциях «Приложение бесплатно на один день»&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. APP Updates&lt;br&gt;</source>
        <translation>   2. Обновлениях приложений&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. New APPs&lt;br&gt;</source>
        <translation>   3. Новых приложениях&lt;br&gt;</translation>
    </message>
    <message>
        <source>   4. Important News&lt;br&gt;</source>
        <translation>   4. Важных новостях&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LinkDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Do you want to know what you can achieve&lt;BR&gt;with %1?</source>
        <translation>Хотите узнать, чего можно добиться&lt;BR&gt;с %1?</translation>
    </message>
    <message>
        <source>&lt;BR&gt;(Watch the Video Introduction)&lt;/H3&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;BR&gt;(Посмотрите видеовведение)&lt;/H3&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Больше не показывать это окно</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SharePanel</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellDialog</name>
    <message>
        <source>If you like &quot;</source>
        <translation>Если вам нравится &quot;</translation>
    </message>
    <message>
        <source>, &lt;br&gt;please share it with your friends.&lt;br&gt;Thanks!</source>
        <translation>, &lt;br&gt;поделитесь им с друзьями.&lt;br&gt;Спасибо!</translation>
    </message>
</context>
</TS>
