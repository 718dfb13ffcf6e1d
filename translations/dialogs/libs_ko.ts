<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>ZEDireroz::InputDialog</name>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LicenseDialog</name>
    <message>
        <source>License Agreement</source>
        <translation>사용권 계약</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>동의(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>동의 안 함(&amp;D)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MessageBox</name>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>무시</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>모두 예</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>모두 아니요</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoScreenShotWidget</name>
    <message>
        <source>No!</source>
        <translation>안 돼요!</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TopWidget</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
</context>
</TS>
