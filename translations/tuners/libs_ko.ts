<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5현</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4현</translation>
    </message>
</context>
<context>
    <name>RADarir::ModesPanel</name>
    <message>
        <source>Modes</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>More</source>
        <translation>더 보기</translation>
    </message>
    <message>
        <source>Must Have</source>
        <translation>필수품</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>있으면 좋은 것</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>읽기</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>듣기</translation>
    </message>
    <message>
        <source>See</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>위키백과</translation>
    </message>
</context>
<context>
    <name>RADarir::TunerBasePage</name>
    <message>
        <source>The sound %1 is missing from the program&apos;s files.</source>
        <translation>소리 %1이(가) 프로그램 파일에 없습니다.</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersCommonPanel</name>
    <message>
        <source>Pitch</source>
        <translation>피치</translation>
    </message>
    <message>
        <source>Repeat the Sounds</source>
        <translation>소리 반복</translation>
    </message>
    <message>
        <source>App</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (바로크 피치)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (과학적 피치)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (프랑스 1859 피치)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (새 필하모닉 피치)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (콘서트 피치)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (보스턴 심포니 오케스트라 피치)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (새 베를린 필하모닉 피치)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (옛 베를린 필하모닉 피치)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (옛 필하모닉 피치)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (르네상스 피치)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>이 앱 평가하기</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>다른 앱</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>문의하기</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>지원 페이지</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>베이스 기타</translation>
    </message>
    <message>
        <source>Ukulele</source>
        <translation>우쿨렐레</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>밴조</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>바이올린</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>비올라</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>첼로</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>더블 베이스</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>만돌린</translation>
    </message>
    <message>
        <source>Balalaika</source>
        <translation>발랄라이카</translation>
    </message>
    <message>
        <source>Dombra</source>
        <translation>돔브라</translation>
    </message>
    <message>
        <source>Harmonaut</source>
        <translation>Harmonaut</translation>
    </message>
</context>
</TS>
