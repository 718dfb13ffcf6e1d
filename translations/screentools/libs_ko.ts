<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>잘라낼 영역을 선택하세요.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>이미지 파일 저장 위치: </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>캡처 후 저장 위치로 이동하려면 [ALT]를 누르고 있으세요
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>이 작업을 취소하려면 [ESC]를 누르세요</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>잘라낼 영역을 선택하세요. 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>(취소하려면 ESC 키를 누르세요)</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1 폴더</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>바탕 화면</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>홈 폴더</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> 화면 캡처</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>화면을 캡처할 수 없습니다. 데스크톱이 이 프로그램의 화면 캡처를 허용하지 않을 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>측정할 영역 위로 드래그하세요.
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>너비와 높이가 화면 포인트 단위로 표시됩니다.
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>이 작업을 취소하려면 [ESC]를 누르세요</translation>
    </message>
</context>
</TS>
