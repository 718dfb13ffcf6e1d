<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>सोमवार</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>मंगलवार</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>बुधवार</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>गुरुवार</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>शुक्रवार</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>शनिवार</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>रविवार</translation>
    </message>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>मेढ़ा</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>बैल</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>जुड़वाँ</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>केकड़ा</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>तराज़ू</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>बिच्छू</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>धनुर्धर</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>समुद्री बकरा</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>जलवाहक</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>मछलियाँ</translation>
    </message>
</context>
</TS>
