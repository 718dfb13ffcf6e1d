<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ZEDireroz::AppMenu</name>
    <message>
        <source>Rate this App</source>
        <translation>Noter cette app</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>Rejoignez-nous</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Plus d&apos;apps</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Page d&apos;assistance</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Rejoignez-nous</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PromoMenuBar</name>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation>Noter l&apos;app</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Plus d&apos;apps</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>Rejoignez-nous</translation>
    </message>
    <message>
        <source>App Menu</source>
        <translation>Menu de l&apos;app</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::RateReminderDialog</name>
    <message>
        <source>&lt;br&gt;please rate it in the App Store.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;notez-la sur l&apos;App Store.&lt;br&gt;Merci !</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;Noter maintenant</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ReminderDialog</name>
    <message>
        <source>Help Spread the Word about &quot;</source>
        <translation>Faites connaître &quot;</translation>
    </message>
    <message>
        <source>&amp;Maybe Later</source>
        <translation>&amp;Peut-être plus tard</translation>
    </message>
    <message>
        <source>&amp;Never Ask Me Again</source>
        <translation>&amp;Ne plus demander</translation>
    </message>
    <message>
        <source>If you like </source>
        <translation>Si vous aimez l&apos;app </translation>
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
        <translation>Partager</translation>
    </message>
    <message>
        <source>&lt;br&gt;Share it with Your Friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;partagez-la avec vos amis.&lt;br&gt;Merci !</translation>
    </message>
</context>
</TS>
