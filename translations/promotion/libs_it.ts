<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ZEDireroz::AboutDialog</name>
    <message>
        <source> Info</source>
        <translation> – Informazioni</translation>
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
        <translation>Invia una cartolina elettronica</translation>
    </message>
    <message>
        <source>Send an email</source>
        <translation>Invia un&apos;e-mail</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – Introduzione</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Never show on start</source>
        <translation>&amp;Non mostrare mai all&apos;avvio</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Unisciti a noi</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinWidget</name>
    <message>
        <source>Join us and stay informed about our</source>
        <translation>Unisciti a noi e resta informato su</translation>
    </message>
    <message>
        <source>   1. One Day FREE APP Actions&lt;br&gt;</source>
        <translation>   1. Promozioni APP GRATIS per un giorno&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. APP Updates&lt;br&gt;</source>
        <translation>   2. Aggiornamenti delle APP&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. New APPs&lt;br&gt;</source>
        <translation>   3. Nuove APP&lt;br&gt;</translation>
    </message>
    <message>
        <source>   4. Important News&lt;br&gt;</source>
        <translation>   4. Notizie importanti&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LinkDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Do you want to know what you can achieve&lt;BR&gt;with %1?</source>
        <translation>Vuoi sapere che cosa puoi ottenere&lt;BR&gt;con %1?</translation>
    </message>
    <message>
        <source>&lt;BR&gt;(Watch the Video Introduction)&lt;/H3&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;BR&gt;(Guarda l&apos;introduzione video)&lt;/H3&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Non mostrare più questa finestra</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SharePanel</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellDialog</name>
    <message>
        <source>If you like &quot;</source>
        <translation>Se ti piace &quot;</translation>
    </message>
    <message>
        <source>, &lt;br&gt;please share it with your friends.&lt;br&gt;Thanks!</source>
        <translation>, &lt;br&gt;condividilo con i tuoi amici.&lt;br&gt;Grazie!</translation>
    </message>
</context>
</TS>
