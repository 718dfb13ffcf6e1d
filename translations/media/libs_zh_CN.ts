<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>无法播放此文件：文件不存在、无法读取或不是声音文件。</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>编号</translation>
    </message>
</context>
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
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>FTP 命令已取消。</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>服务器发送的内容超出了客户端的上限：%1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>命令耗时超过 %1 毫秒</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>超过 %1 字节的应答</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>超过 %1 字节的列表</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>收到了 %2 字节中的 %1 字节</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>%1 毫秒内没有完整的回复</translation>
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
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>录音设置无效：%1 Hz，%2 个声道。</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>AAC 需要大于 0 的比特率，而不是 %1。</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>未指定录音的文件名。</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>未找到声音输入：声音服务器未运行或没有输入。</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>声音输入 %1 不支持 %2 Hz、%3 个声道。</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>无法打开声音输入 %1。</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>无法完成录音：%1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>无法写入录音：%1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>录音期间声音输入已停止。</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>该文件格式不支持 %1 Hz、%2 个声道。</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>录音设置未指定已知的编码。</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>线性 PCM 只能录制到 .wav、.aif、.aiff 或 .caf 文件中，不能录制到 %1。</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>AAC 只能录制到 .m4a、.mp4、.aac 或 .caf 文件中，不能录制到 %1。</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>AAC 编码器不可用。</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>AAC 编码器不支持以每秒 %3 比特编码 %1 Hz、%2 个声道。</translation>
    </message>
</context>
</TS>
