<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – 设置</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>加载设置</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>无法将设置保存到 %1：%2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>加载设置</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>无法从 %1 加载设置：%2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>无法从 %1 加载设置：%2（第 %3 行）</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;正在检查更新&lt;BR&gt;请稍候 ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>更新服务器返回了错误（%1）。
要转到更新网页吗？</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>更新服务器未能及时响应。
要转到更新网页吗？</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>没有可用的互联网连接。
要转到更新网页吗？</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>无法读取更新信息。
要转到更新网页吗？</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>%1 有新版本可用。
要转到更新网页吗？</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;您使用的是最新版本。&lt;BR&gt;要转到更新网页吗？&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – 更新通知</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>启动时检查更新</translation>
    </message>
</context>
</TS>
