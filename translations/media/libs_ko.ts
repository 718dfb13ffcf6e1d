<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>이 파일을 재생할 수 없습니다. 파일이 없거나, 읽을 수 없거나, 소리 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>번호</translation>
    </message>
</context>
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
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>FTP 명령이 취소되었습니다.</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>서버가 클라이언트가 받는 한도보다 많이 보냈습니다: %1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>명령이 %1ms보다 오래 걸렸습니다</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>%1바이트를 넘는 응답</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>%1바이트를 넘는 목록</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>%2바이트 중 %1바이트가 도착했습니다</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>%1ms 안에 완전한 응답이 없음</translation>
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
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>녹음 설정이 올바르지 않습니다: %1 Hz, 채널 %2개.</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>AAC에는 0보다 큰 비트 전송률이 필요합니다(%1 아님).</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>녹음할 파일 이름이 지정되지 않았습니다.</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>소리 입력을 찾을 수 없습니다. 사운드 서버가 실행 중이 아니거나 입력이 없습니다.</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>소리 입력 %1은(는) 채널 %3개의 %2 Hz를 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>소리 입력 %1을(를) 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>녹음을 완료할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>녹음을 기록할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>녹음 중에 소리 입력이 멈췄습니다.</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>이 파일 형식은 채널 %2개의 %1 Hz를 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>%1 파일을 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>녹음 설정에 알려진 인코딩이 없습니다.</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>선형 PCM은 .wav, .aif, .aiff, .caf 파일에 녹음되며 %1에는 녹음되지 않습니다.</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>AAC는 .m4a, .mp4, .aac, .caf 파일에 녹음되며 %1에는 녹음되지 않습니다.</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>AAC 인코더를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>AAC 인코더는 초당 %3비트에서 채널 %2개의 %1 Hz를 지원하지 않습니다.</translation>
    </message>
</context>
</TS>
