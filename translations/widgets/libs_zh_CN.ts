<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ZEDireroz::ComboProgress</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CommunityButton</name>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::DirView</name>
    <message>
        <source>Dir View</source>
        <translation>文件夹视图</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::IconView</name>
    <message>
        <source>&amp;Open In Separate View</source>
        <translation>在单独视图中打开(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MenuButton</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ResolutionSetupWidget</name>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SearchFilter</name>
    <message>
        <source>Search Filter</source>
        <translation>搜索过滤器</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>搜索：</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::VirtualResolutionDialog</name>
    <message>
        <source>Virtual Resolution Mode</source>
        <translation>虚拟分辨率模式</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>正常模式</translation>
    </message>
    <message>
        <source>Virtual Resolution</source>
        <translation>虚拟分辨率</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>窗口大小</translation>
    </message>
    <message>
        <source>OpenGL Acceleration</source>
        <translation>OpenGL 加速</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
</context>
</TS>
