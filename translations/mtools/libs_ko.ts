<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>장치에 남은 공간이 없습니다.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>디스크 할당량을 모두 사용했습니다.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>권한이 없습니다.</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>파일 시스템이 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>파일이 없습니다.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>폴더가 없습니다.</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>이 이름은 폴더의 이름입니다.</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>경로의 일부가 폴더가 아닙니다.</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>파일이 파일 시스템에 비해 너무 큽니다.</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>장치에서 입출력 오류를 보고했습니다.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>이름이 너무 깁니다.</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>파일 크기가 %1(으)로, 여기서 열 수 있는 %2보다 큽니다.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>파일을 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>월요일</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>화요일</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>수요일</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>목요일</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>금요일</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>토요일</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>일요일</translation>
    </message>
    <message>
        <source>January</source>
        <translation>1월</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2월</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3월</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4월</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5월</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6월</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7월</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8월</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9월</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10월</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11월</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12월</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>숫양</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>황소</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>쌍둥이</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>게</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>사자</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>처녀</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>천칭</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>전갈</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>궁수</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>바다염소</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>물 나르는 사람</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>물고기</translation>
    </message>
</context>
</TS>
