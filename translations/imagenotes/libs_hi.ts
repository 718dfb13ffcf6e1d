<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ZEDireroz::ImageNoteEditor</name>
    <message>
        <source>Drag this into a mail, a chat or a cloud folder</source>
        <translation>इसे किसी मेल, चैट या क्लाउड फ़ोल्डर में खींचें</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>पेन</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>रबड़</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>हाइलाइटर</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>आयत</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>भरा आयत</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>अंडाकार</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>धुंधला करें</translation>
    </message>
    <message>
        <source>Filled Oval</source>
        <translation>भरा अंडाकार</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>रेखा</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>तीर</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>पाठ</translation>
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
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>MoreApps</source>
        <translation>और ऐप</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ऐप</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Do you want to save the current changes to the file?</source>
        <translation>क्या आप वर्तमान परिवर्तन फ़ाइल में सहेजना चाहते हैं?</translation>
    </message>
    <message>
        <source>The changes of the current image are not saved.
After creation of the new screen shot these changes will be lost.
Continue?</source>
        <translation>वर्तमान चित्र के परिवर्तन सहेजे नहीं गए हैं।
नया स्क्रीनशॉट बनाने पर ये परिवर्तन खो जाएँगे।
जारी रखें?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ImageNoteWorkArea</name>
    <message>
        <source>Save Picture</source>
        <translation>चित्र सहेजें</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>चित्र एन्कोड नहीं हो सका।</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.
%2</source>
        <translation>चित्र &quot;%1&quot; के रूप में सहेजा नहीं जा सका।
%2</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditDragPreview</name>
    <message>
        <source>Drag</source>
        <translation>खींचें</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditWidget</name>
    <message>
        <source>Accept</source>
        <translation>स्वीकारें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>बड़ा करें</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>छोटा करें</translation>
    </message>
</context>
</TS>
