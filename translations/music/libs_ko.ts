<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>RADarir::BaseMainPage</name>
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
    <name>RADarir::FavoritesDeleteDlg</name>
    <message>
        <source>Delete the chords</source>
        <translation>코드 삭제</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>삭제(&amp;D)</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>코드 추가</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>즐겨찾기</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>소리 켜짐</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>조옮김</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>선택한 코드 제거</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>소리 꺼짐</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>저장(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>삭제(&amp;D)…</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>즐겨찾기 저장</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>즐겨찾기 이름:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>이름 없이 즐겨찾기를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>즐겨찾기를 제거할까요:
 &quot;</translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation>&quot;?</translation>
    </message>
</context>
</TS>
