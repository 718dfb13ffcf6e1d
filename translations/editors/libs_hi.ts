<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
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
</TS>
