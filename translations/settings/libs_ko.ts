<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – 설정</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>적용(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>설정 저장</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>설정 불러오기</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>설정 저장</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>설정을 %1에 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>설정 불러오기</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>%1에서 설정을 불러올 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>%1에서 설정을 불러올 수 없습니다: %2 (%3행)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다.
바꾸시겠습니까?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;업데이트를 찾는 중&lt;BR&gt;잠시 기다려 주십시오 ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>업데이트 서버가 오류로 응답했습니다 (%1).
업데이트 웹 페이지로 이동하시겠습니까?</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>업데이트 서버가 제시간에 응답하지 않았습니다.
업데이트 웹 페이지로 이동하시겠습니까?</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>인터넷에 연결되어 있지 않습니다.
업데이트 웹 페이지로 이동하시겠습니까?</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>업데이트 정보를 읽을 수 없습니다.
업데이트 웹 페이지로 이동하시겠습니까?</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>%1의 새 버전이 있습니다.
업데이트 웹 페이지로 이동하시겠습니까?</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;사용 가능한 최신 버전을 사용하고 있습니다.&lt;BR&gt;업데이트 웹 페이지로 이동하시겠습니까?&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – 업데이트 알림</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>시작할 때 업데이트 확인</translation>
    </message>
</context>
</TS>
