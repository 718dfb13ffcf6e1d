<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
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
