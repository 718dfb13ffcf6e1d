<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ZEDireroz::AppMenu</name>
    <message>
        <source>Rate this App</source>
        <translation>इस ऐप को रेट करें</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>साझा करें</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>हमसे जुड़ें</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>और ऐप्स</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>संपर्क करें</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>सहायता पृष्ठ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>के बारे में</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बाहर निकलें</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>हमसे जुड़ें</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PromoMenuBar</name>
    <message>
        <source>Introduction</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation>ऐप रेट करें</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>और ऐप्स</translation>
    </message>
    <message>
        <source>More</source>
        <translation>और</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>साझा करें</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>हमसे जुड़ें</translation>
    </message>
    <message>
        <source>App Menu</source>
        <translation>ऐप मेनू</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::RateReminderDialog</name>
    <message>
        <source>&lt;br&gt;please rate it in the App Store.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;कृपया App Store में इसे रेट करें।&lt;br&gt;धन्यवाद!</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>अभी &amp;रेट करें</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ReminderDialog</name>
    <message>
        <source>Help Spread the Word about &quot;</source>
        <translation>इसके बारे में बताएँ &quot;</translation>
    </message>
    <message>
        <source>&amp;Maybe Later</source>
        <translation>&amp;शायद बाद में</translation>
    </message>
    <message>
        <source>&amp;Never Ask Me Again</source>
        <translation>&amp;फिर कभी न पूछें</translation>
    </message>
    <message>
        <source>If you like </source>
        <translation>अगर आपको </translation>
    </message>
    <message>
        <source>-App,</source>
        <translation> ऐप पसंद है,</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>साझा करें</translation>
    </message>
    <message>
        <source>&lt;br&gt;Share it with Your Friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;इसे अपने दोस्तों के साथ साझा करें।&lt;br&gt;धन्यवाद!</translation>
    </message>
</context>
</TS>
