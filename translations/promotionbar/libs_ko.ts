<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>ZEDireroz::AppMenu</name>
    <message>
        <source>Rate this App</source>
        <translation>이 앱 평가하기</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>함께하기</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>다른 앱</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>문의하기</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>지원 페이지</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>함께하기</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PromoMenuBar</name>
    <message>
        <source>Introduction</source>
        <translation>소개</translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation>앱 평가</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>다른 앱</translation>
    </message>
    <message>
        <source>More</source>
        <translation>더 보기</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>함께하기</translation>
    </message>
    <message>
        <source>App Menu</source>
        <translation>앱 메뉴</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::RateReminderDialog</name>
    <message>
        <source>&lt;br&gt;please rate it in the App Store.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;App Store에서 평가해 주세요.&lt;br&gt;감사합니다!</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>지금 평가하기(&amp;R)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ReminderDialog</name>
    <message>
        <source>Help Spread the Word about &quot;</source>
        <translation>널리 알려 주세요: &quot;</translation>
    </message>
    <message>
        <source>&amp;Maybe Later</source>
        <translation>나중에(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Never Ask Me Again</source>
        <translation>다시 묻지 않기(&amp;N)</translation>
    </message>
    <message>
        <source>If you like </source>
        <translation>혹시 </translation>
    </message>
    <message>
        <source>-App,</source>
        <translation> 앱이 마음에 드신다면,</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>&lt;br&gt;Share it with Your Friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;친구들과 공유해 주세요.&lt;br&gt;감사합니다!</translation>
    </message>
</context>
</TS>
