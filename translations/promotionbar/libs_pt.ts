<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ZEDireroz::AppMenu</name>
    <message>
        <source>Rate this App</source>
        <translation>Avaliar este app</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>Junte-se a nós</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Mais apps</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Fale conosco</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Página de suporte</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Junte-se a nós</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PromoMenuBar</name>
    <message>
        <source>Introduction</source>
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation>Avaliar app</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Mais apps</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>Junte-se a nós</translation>
    </message>
    <message>
        <source>App Menu</source>
        <translation>Menu do app</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::RateReminderDialog</name>
    <message>
        <source>&lt;br&gt;please rate it in the App Store.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;avalie-o na App Store.&lt;br&gt;Obrigado!</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;Avaliar agora</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ReminderDialog</name>
    <message>
        <source>Help Spread the Word about &quot;</source>
        <translation>Ajude a divulgar &quot;</translation>
    </message>
    <message>
        <source>&amp;Maybe Later</source>
        <translation>&amp;Talvez mais tarde</translation>
    </message>
    <message>
        <source>&amp;Never Ask Me Again</source>
        <translation>&amp;Não perguntar novamente</translation>
    </message>
    <message>
        <source>If you like </source>
        <translation>Se você gosta do app </translation>
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
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>&lt;br&gt;Share it with Your Friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;compartilhe-o com seus amigos.&lt;br&gt;Obrigado!</translation>
    </message>
</context>
</TS>
