<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>ZEDireroz::ImageNoteEditor</name>
    <message>
        <source>Drag this into a mail, a chat or a cloud folder</source>
        <translation>메일, 채팅 또는 클라우드 폴더로 끌어 놓으세요</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>형광펜</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>채운 사각형</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>타원</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>흐리게</translation>
    </message>
    <message>
        <source>Filled Oval</source>
        <translation>채운 타원</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>선</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>MoreApps</source>
        <translation>다른 앱</translation>
    </message>
    <message>
        <source>App</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Do you want to save the current changes to the file?</source>
        <translation>현재 변경 내용을 파일에 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The changes of the current image are not saved.
After creation of the new screen shot these changes will be lost.
Continue?</source>
        <translation>현재 그림의 변경 내용이 저장되지 않았습니다.
새 스크린샷을 만들면 이 변경 내용은 사라집니다.
계속하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ImageNoteWorkArea</name>
    <message>
        <source>Save Picture</source>
        <translation>그림 저장</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>그림을 인코딩할 수 없습니다.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.
%2</source>
        <translation>그림을 &quot;%1&quot;(으)로 저장할 수 없습니다.
%2</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditDragPreview</name>
    <message>
        <source>Drag</source>
        <translation>끌기</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditWidget</name>
    <message>
        <source>Accept</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>작게</translation>
    </message>
</context>
</TS>
