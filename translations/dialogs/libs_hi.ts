<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ZEDireroz::InputDialog</name>
    <message>
        <source>Ok</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LicenseDialog</name>
    <message>
        <source>License Agreement</source>
        <translation>लाइसेंस अनुबंध</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>सहमत हूँ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>असहमत हूँ (&amp;D)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MessageBox</name>
    <message>
        <source>Ok</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>बीच में रोकें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>सभी के लिए हाँ</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>सभी के लिए नहीं</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoScreenShotWidget</name>
    <message>
        <source>No!</source>
        <translation>नहीं!</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TopWidget</name>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>बड़ा करें</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>छोटा करें</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>शीर्षक</translation>
    </message>
</context>
</TS>
