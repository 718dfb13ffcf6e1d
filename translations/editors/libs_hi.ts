<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>TextEdit</name>
    <message>
        <source>File Actions</source>
        <translation>फ़ाइल क्रियाएँ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>नया(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>खोलें(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>इस रूप में सहेजें(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>प्रिंट करें(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>प्रिंट पूर्वावलोकन...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF निर्यात करें(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बाहर निकलें(&amp;Q)</translation>
    </message>
    <message>
        <source>Edit Actions</source>
        <translation>संपादन क्रियाएँ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>संपादन(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ(&amp;P)</translation>
    </message>
    <message>
        <source>Format Actions</source>
        <translation>प्रारूप क्रियाएँ</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>प्रारूप(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>बोल्ड(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>इटैलिक(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>रेखांकित(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>बाएँ(&amp;L)</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>केंद्र(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>दाएँ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>दोनों ओर संरेखित(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>रंग(&amp;C)...</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>रिच टेक्स्ट</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>Rich Text edits one formatted document and saves it as OpenDocument text, HTML or plain text, or exports it as PDF.</source>
        <translation>रिच टेक्स्ट एक स्वरूपित दस्तावेज़ संपादित करता है और उसे OpenDocument टेक्स्ट, HTML या सादे टेक्स्ट के रूप में सहेजता है, या PDF के रूप में निर्यात करता है।</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>एप्लिकेशन</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>दस्तावेज़ बदल दिया गया है।
क्या आप अपने परिवर्तन सहेजना चाहते हैं?</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>फ़ाइल खोलें...</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;All Files (*)</source>
        <translation>HTML फ़ाइलें (*.htm *.html);;सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be opened:
%2</source>
        <translation>फ़ाइल %1 खोली नहीं जा सकी:
%2</translation>
    </message>
    <message>
        <source>%1 cannot be saved in this format.
Choose a name ending in .odt, .html or .txt.</source>
        <translation>%1 इस प्रारूप में सहेजी नहीं जा सकती।
.odt, .html या .txt पर समाप्त होने वाला नाम चुनें।</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>इस रूप में सहेजें...</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>दस्तावेज़ को रूपांतरित नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>The document could not be saved as %1:
%2</source>
        <translation>दस्तावेज़ को %1 के रूप में सहेजा नहीं जा सका:
%2</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>दस्तावेज़ प्रिंट करें</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>दस्तावेज़ प्रिंट नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1:
%2</source>
        <translation>PDF को %1 में लिखा नहीं जा सका:
%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS शैली संपादक</translation>
    </message>
    <message>
        <source>It is an OpenDocument file, which this window writes but cannot read back.
Documents saved as HTML open here again.</source>
        <translation>यह एक OpenDocument फ़ाइल है, जिसे यह विंडो लिखती है पर वापस पढ़ नहीं सकती।
HTML के रूप में सहेजे गए दस्तावेज़ यहाँ फिर से खुलते हैं।</translation>
    </message>
    <message>
        <source>It is not a text file: it holds a picture, an archive or other binary data.</source>
        <translation>यह टेक्स्ट फ़ाइल नहीं है: इसमें कोई चित्र, संग्रह या अन्य बाइनरी डेटा है।</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;ODF files (*.odt);;All Files (*)</source>
        <translation>HTML फ़ाइलें (*.htm *.html);;ODF फ़ाइलें (*.odt);;सभी फ़ाइलें (*)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>The style sheet %1 could not be opened:
%2</source>
        <translation>स्टाइल शीट %1 खोली नहीं जा सकी:
%2</translation>
    </message>
    <message>
        <source>The style sheet could not be saved as %1:
%2</source>
        <translation>स्टाइल शीट %1 के रूप में सहेजी नहीं जा सकी:
%2</translation>
    </message>
    <message>
        <source>Style Sheet</source>
        <translation>स्टाइल शीट</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>खोलें...(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>जानकारी दिखाएँ(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>लागू करें(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>इस रूप में सहेजें...(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>परिचय(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>रीसेट करें(&amp;R)</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>क्रियाएँ</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>तैयार</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS शैली संपादक</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EditorPanel</name>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>बोल्ड</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>रेखांकित</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>इटैलिक</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>बाएँ संरेखित करें</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>केंद्र में संरेखित करें</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>दाएँ संरेखित करें</translation>
    </message>
    <message>
        <source>Align Justify</source>
        <translation>दोनों ओर संरेखित करें</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>पूर्ववत करें</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>काटें</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>खोलें...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>इस रूप में सहेजें...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>प्रिंट करें...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>प्रिंट पूर्वावलोकन...</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF बनाएँ</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PlainTextSave</name>
    <message>
        <source>%1 is written in %2, which cannot hold some of the characters of the document.
Do you want to save it in UTF-8 instead?</source>
        <translation>%1 %2 में लिखी है, जिसमें दस्तावेज़ के कुछ अक्षर नहीं रखे जा सकते।
क्या आप इसे इसके बजाय UTF-8 में सहेजना चाहते हैं?</translation>
    </message>
</context>
</TS>
