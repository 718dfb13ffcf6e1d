<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ZEDireroz::AboutDialog</name>
    <message>
        <source> Info</source>
        <translation> – जानकारी</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>ठीक है(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EmailEdit</name>
    <message>
        <source>Send an ecard</source>
        <translation>ई-कार्ड भेजें</translation>
    </message>
    <message>
        <source>Send an email</source>
        <translation>ईमेल भेजें</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – परिचय</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Never show on start</source>
        <translation>शुरू होने पर कभी न दिखाएँ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>हमसे जुड़ें</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinWidget</name>
    <message>
        <source>Join us and stay informed about our</source>
        <translation>हमसे जुड़ें और इनकी जानकारी पाते रहें:</translation>
    </message>
    <message>
        <source>   1. One Day FREE APP Actions&lt;br&gt;</source>
        <translation>   1. एक दिन के लिए मुफ़्त ऐप ऑफ़र&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. APP Updates&lt;br&gt;</source>
        <translation>   2. ऐप अपडेट&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. New APPs&lt;br&gt;</source>
        <translation>   3. नए ऐप&lt;br&gt;</translation>
    </message>
    <message>
        <source>   4. Important News&lt;br&gt;</source>
        <translation>   4. महत्वपूर्ण समाचार&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LinkDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं(&amp;N)</translation>
    </message>
    <message>
        <source>Do you want to know what you can achieve&lt;BR&gt;with %1?</source>
        <translation>क्या आप जानना चाहते हैं कि&lt;BR&gt;%1 से आप क्या हासिल कर सकते हैं?</translation>
    </message>
    <message>
        <source>&lt;BR&gt;(Watch the Video Introduction)&lt;/H3&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;BR&gt;(वीडियो परिचय देखें)&lt;/H3&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>यह संवाद फिर न दिखाएँ</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SharePanel</name>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellDialog</name>
    <message>
        <source>If you like &quot;</source>
        <translation>अगर आपको &quot;</translation>
    </message>
    <message>
        <source>, &lt;br&gt;please share it with your friends.&lt;br&gt;Thanks!</source>
        <translation> पसंद है, &lt;br&gt;तो कृपया इसे अपने दोस्तों के साथ साझा करें।&lt;br&gt;धन्यवाद!</translation>
    </message>
</context>
</TS>
