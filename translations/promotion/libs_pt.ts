<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ZEDireroz::AboutDialog</name>
    <message>
        <source> Info</source>
        <translation> – Informações</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EmailEdit</name>
    <message>
        <source>Send an ecard</source>
        <translation>Enviar um cartão eletrônico</translation>
    </message>
    <message>
        <source>Send an email</source>
        <translation>Enviar um e-mail</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – Introdução</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Never show on start</source>
        <translation>&amp;Nunca mostrar ao iniciar</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Junte-se a nós</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinWidget</name>
    <message>
        <source>Join us and stay informed about our</source>
        <translation>Junte-se a nós e fique por dentro de</translation>
    </message>
    <message>
        <source>   1. One Day FREE APP Actions&lt;br&gt;</source>
        <translation>   1. Promoções de APP GRÁTIS por um dia&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. APP Updates&lt;br&gt;</source>
        <translation>   2. Atualizações de APP&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. New APPs&lt;br&gt;</source>
        <translation>   3. Novos APPs&lt;br&gt;</translation>
    </message>
    <message>
        <source>   4. Important News&lt;br&gt;</source>
        <translation>   4. Notícias importantes&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LinkDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Do you want to know what you can achieve&lt;BR&gt;with %1?</source>
        <translation>Quer saber o que você pode alcançar&lt;BR&gt;com o %1?</translation>
    </message>
    <message>
        <source>&lt;BR&gt;(Watch the Video Introduction)&lt;/H3&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;BR&gt;(Assista à introdução em vídeo)&lt;/H3&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Não mostrar esta janela novamente</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SharePanel</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellDialog</name>
    <message>
        <source>If you like &quot;</source>
        <translation>Se você gosta do &quot;</translation>
    </message>
    <message>
        <source>, &lt;br&gt;please share it with your friends.&lt;br&gt;Thanks!</source>
        <translation>, &lt;br&gt;compartilhe-o com seus amigos.&lt;br&gt;Obrigado!</translation>
    </message>
</context>
</TS>
