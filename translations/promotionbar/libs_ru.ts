<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ZEDireroz::AppMenu</name>
    <message>
        <source>Rate this App</source>
        <translation>Оценить приложение</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>Присоединяйтесь</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Другие приложения</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Связаться с нами</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Страница поддержки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Присоединяйтесь</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PromoMenuBar</name>
    <message>
        <source>Introduction</source>
        <translation>Введение</translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation>Оценить приложение</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Другие приложения</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>Присоединяйтесь</translation>
    </message>
    <message>
        <source>App Menu</source>
        <translation>Меню приложения</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::RateReminderDialog</name>
    <message>
        <source>&lt;br&gt;please rate it in the App Store.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;пожалуйста, оцените его в App Store.&lt;br&gt;Спасибо!</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;Оценить сейчас</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ReminderDialog</name>
    <message>
        <source>Help Spread the Word about &quot;</source>
        <translation>Расскажите всем о &quot;</translation>
    </message>
    <message>
        <source>&amp;Maybe Later</source>
        <translation>&amp;Может быть, позже</translation>
    </message>
    <message>
        <source>&amp;Never Ask Me Again</source>
        <translation>&amp;Больше не спрашивать</translation>
    </message>
    <message>
        <source>If you like </source>
        <translation>Если вам нравится приложение </translation>
    </message>
    <message>
        <source>-App,</source>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>&lt;br&gt;Share it with Your Friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;поделитесь им с друзьями.&lt;br&gt;Спасибо!</translation>
    </message>
</context>
</TS>
