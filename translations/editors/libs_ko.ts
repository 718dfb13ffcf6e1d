<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>TextEdit</name>
    <message>
        <source>File Actions</source>
        <translation>파일 작업</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>다른 이름으로 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>인쇄 미리 보기...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF 내보내기(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>끝내기(&amp;Q)</translation>
    </message>
    <message>
        <source>Edit Actions</source>
        <translation>편집 작업</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>Format Actions</source>
        <translation>서식 작업</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>서식(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>굵게(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>기울임꼴(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>밑줄(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>왼쪽(&amp;L)</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>가운데(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>오른쪽(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>양쪽 맞춤(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>색(&amp;C)...</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>서식 있는 텍스트</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Rich Text edits one formatted document and saves it as OpenDocument text, HTML or plain text, or exports it as PDF.</source>
        <translation>서식 있는 텍스트는 서식이 있는 문서 하나를 편집하여 OpenDocument 텍스트, HTML 또는 일반 텍스트로 저장하거나 PDF로 내보냅니다.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>문서가 수정되었습니다.
변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>파일 열기...</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;All Files (*)</source>
        <translation>HTML 파일 (*.htm *.html);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be opened:
%2</source>
        <translation>파일 %1을(를) 열 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>%1 cannot be saved in this format.
Choose a name ending in .odt, .html or .txt.</source>
        <translation>%1은(는) 이 형식으로 저장할 수 없습니다.
.odt, .html 또는 .txt로 끝나는 이름을 선택하십시오.</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>다른 이름으로 저장...</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>문서를 변환할 수 없습니다.</translation>
    </message>
    <message>
        <source>The document could not be saved as %1:
%2</source>
        <translation>문서를 %1(으)로 저장할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>문서 인쇄</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>문서를 인쇄할 수 없습니다.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1:
%2</source>
        <translation>PDF를 %1에 쓸 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 파일이 이미 있습니다.
바꾸시겠습니까?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS 스타일 편집기</translation>
    </message>
    <message>
        <source>It is an OpenDocument file, which this window writes but cannot read back.
Documents saved as HTML open here again.</source>
        <translation>OpenDocument 파일입니다. 이 창은 이 파일을 저장할 수는 있지만 다시 읽을 수는 없습니다.
HTML로 저장한 문서는 여기서 다시 열 수 있습니다.</translation>
    </message>
    <message>
        <source>It is not a text file: it holds a picture, an archive or other binary data.</source>
        <translation>텍스트 파일이 아닙니다. 그림, 압축 파일 또는 기타 이진 데이터가 들어 있습니다.</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;ODF files (*.odt);;All Files (*)</source>
        <translation>HTML 파일 (*.htm *.html);;ODF 파일 (*.odt);;모든 파일 (*)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>The style sheet %1 could not be opened:
%2</source>
        <translation>스타일 시트 %1을(를) 열 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>The style sheet could not be saved as %1:
%2</source>
        <translation>스타일 시트를 %1(으)로 저장할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>Style Sheet</source>
        <translation>스타일 시트</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기...(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>정보 표시(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>적용(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>다른 이름으로 저장...(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>초기화(&amp;R)</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS 스타일 편집기</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EditorPanel</name>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>밑줄</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>기울임꼴</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>왼쪽 맞춤</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>가운데 맞춤</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>오른쪽 맞춤</translation>
    </message>
    <message>
        <source>Align Justify</source>
        <translation>양쪽 맞춤</translation>
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
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>열기...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>다른 이름으로 저장...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>인쇄...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>인쇄 미리 보기...</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF 만들기</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PlainTextSave</name>
    <message>
        <source>%1 is written in %2, which cannot hold some of the characters of the document.
Do you want to save it in UTF-8 instead?</source>
        <translation>%1은(는) %2(으)로 저장되어 있어 문서의 일부 문자를 담을 수 없습니다.
대신 UTF-8로 저장하시겠습니까?</translation>
    </message>
</context>
</TS>
