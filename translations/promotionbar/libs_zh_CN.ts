<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ZEDireroz::AppMenu</name>
    <message>
        <source>Rate this App</source>
        <translation>为此应用评分</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>加入我们</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>更多应用</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>支持页面</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>加入我们</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PromoMenuBar</name>
    <message>
        <source>Introduction</source>
        <translation>简介</translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation>为应用评分</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>更多应用</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Join Us</source>
        <translation>加入我们</translation>
    </message>
    <message>
        <source>App Menu</source>
        <translation>应用菜单</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::RateReminderDialog</name>
    <message>
        <source>&lt;br&gt;please rate it in the App Store.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;请在 App Store 中为它评分。&lt;br&gt;谢谢！</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>立即评分(&amp;R)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ReminderDialog</name>
    <message>
        <source>Help Spread the Word about &quot;</source>
        <translation>帮忙推荐 &quot;</translation>
    </message>
    <message>
        <source>&amp;Maybe Later</source>
        <translation>以后再说(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Never Ask Me Again</source>
        <translation>不再询问(&amp;N)</translation>
    </message>
    <message>
        <source>If you like </source>
        <translation>如果您喜欢 </translation>
    </message>
    <message>
        <source>-App,</source>
        <translation> 应用，</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>&lt;br&gt;Share it with Your Friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;请与您的朋友分享。&lt;br&gt;谢谢！</translation>
    </message>
</context>
</TS>
