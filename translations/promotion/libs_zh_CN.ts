<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ZEDireroz::AboutDialog</name>
    <message>
        <source> Info</source>
        <translation> 信息</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EmailEdit</name>
    <message>
        <source>Send an ecard</source>
        <translation>发送电子贺卡</translation>
    </message>
    <message>
        <source>Send an email</source>
        <translation>发送电子邮件</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> 简介</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Never show on start</source>
        <translation>启动时不再显示(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>加入我们</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::JoinWidget</name>
    <message>
        <source>Join us and stay informed about our</source>
        <translation>加入我们，及时了解我们的</translation>
    </message>
    <message>
        <source>   1. One Day FREE APP Actions&lt;br&gt;</source>
        <translation>   1. 应用限免一天活动&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. APP Updates&lt;br&gt;</source>
        <translation>   2. 应用更新&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. New APPs&lt;br&gt;</source>
        <translation>   3. 新应用&lt;br&gt;</translation>
    </message>
    <message>
        <source>   4. Important News&lt;br&gt;</source>
        <translation>   4. 重要新闻&lt;br&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LinkDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>Do you want to know what you can achieve&lt;BR&gt;with %1?</source>
        <translation>想知道使用 %1&lt;BR&gt;能做到什么吗？</translation>
    </message>
    <message>
        <source>&lt;BR&gt;(Watch the Video Introduction)&lt;/H3&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;BR&gt;（观看视频介绍）&lt;/H3&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>不再显示此对话框</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SharePanel</name>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TellDialog</name>
    <message>
        <source>If you like &quot;</source>
        <translation>如果您喜欢 &quot;</translation>
    </message>
    <message>
        <source>, &lt;br&gt;please share it with your friends.&lt;br&gt;Thanks!</source>
        <translation>，&lt;br&gt;请与您的朋友分享。&lt;br&gt;谢谢！</translation>
    </message>
</context>
</TS>
