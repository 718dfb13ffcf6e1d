<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>未连接到服务器。</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>另一个 FTP 命令仍在运行。</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>找不到主机 %1。</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>与 %1 的连接被拒绝。</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>与服务器的连接已断开。</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>服务器未及时响应。</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>服务器拒绝登录：%1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>服务器拒绝了命令：%1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>传输失败：%1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>无法读取或写入本地文件：%1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>该名称或设备不能用于 FTP。</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpGuiClient</name>
    <message>
        <source>FTP client</source>
        <translation>FTP 客户端</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>登录(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>转到(&amp;G)</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>将 %1 存入当前文件夹</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>主机：</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>用户：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>请输入服务器的主机名；端口不是 21 时，在后面加上“:”和端口。</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>已登录到 %1。</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>已存储 %1。</translation>
    </message>
</context>
</TS>
