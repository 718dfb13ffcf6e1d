<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>设备上已没有剩余空间。</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>磁盘配额已用完。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>权限被拒绝。</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>文件系统是只读的。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>文件夹不存在。</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>该名称属于一个文件夹。</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>路径的一部分不是文件夹。</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>文件对该文件系统来说太大。</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>设备报告了输入或输出错误。</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>名称太长。</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>文件大小为 %1，超过了此处可打开的 %2。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>无法读取文件。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>公羊</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>公牛</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>双子</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>螃蟹</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>狮子</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>少女</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>天秤</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>蝎子</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>射手</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>海山羊</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>持水者</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>双鱼</translation>
    </message>
</context>
</TS>
