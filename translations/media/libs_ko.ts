<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>서버에 연결되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>다른 FTP 명령이 아직 실행 중입니다.</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>호스트 %1을(를) 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>%1에 대한 연결이 거부되었습니다.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>서버와의 연결이 끊어졌습니다.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>서버가 제시간에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>서버가 로그인을 거부했습니다: %1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>서버가 명령을 거부했습니다: %1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>전송에 실패했습니다: %1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>로컬 파일을 읽거나 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>이 이름 또는 장치는 FTP에 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpGuiClient</name>
    <message>
        <source>FTP client</source>
        <translation>FTP 클라이언트</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>로그인(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>이동(&amp;G)</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>새로</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>수정한 날짜</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>테스트</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>현재 폴더에 %1 저장</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>호스트:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>사용자:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>경로:</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>서버의 호스트 이름을 입력하고, 포트가 21이 아니면 &quot;:&quot;와 포트를 덧붙이세요.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>%1에 로그인했습니다.</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>%1을(를) 저장했습니다.</translation>
    </message>
</context>
</TS>
