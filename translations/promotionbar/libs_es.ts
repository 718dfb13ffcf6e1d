<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ZEDireroz::AppMenu</name>
    <message>
        <source>Rate this App</source>
        <translation>Valorar esta app</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>Únete</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Más apps</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Página de soporte</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Únete</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PromoMenuBar</name>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation>Valorar app</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Más apps</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>Únete</translation>
    </message>
    <message>
        <source>App Menu</source>
        <translation>Menú de la app</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::RateReminderDialog</name>
    <message>
        <source>&lt;br&gt;please rate it in the App Store.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;valórala en la App Store.&lt;br&gt;¡Gracias!</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;Valorar ahora</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ReminderDialog</name>
    <message>
        <source>Help Spread the Word about &quot;</source>
        <translation>Ayuda a dar a conocer &quot;</translation>
    </message>
    <message>
        <source>&amp;Maybe Later</source>
        <translation>&amp;Quizás más tarde</translation>
    </message>
    <message>
        <source>&amp;Never Ask Me Again</source>
        <translation>&amp;No volver a preguntar</translation>
    </message>
    <message>
        <source>If you like </source>
        <translation>Si te gusta la app </translation>
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
        <translation>Compartir</translation>
    </message>
    <message>
        <source>&lt;br&gt;Share it with Your Friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;compártela con tus amigos.&lt;br&gt;¡Gracias!</translation>
    </message>
</context>
</TS>
