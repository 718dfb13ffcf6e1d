<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>डिवाइस पर कोई जगह नहीं बची है।</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>डिस्क कोटा समाप्त हो गया है।</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>अनुमति नहीं है।</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>फ़ाइल सिस्टम केवल पढ़ने के लिए है।</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>फ़ाइल मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>फ़ोल्डर मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>यह नाम एक फ़ोल्डर का है।</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>पथ का एक भाग फ़ोल्डर नहीं है।</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>फ़ाइल इस फ़ाइल सिस्टम के लिए बहुत बड़ी है।</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>डिवाइस ने इनपुट या आउटपुट त्रुटि बताई।</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>नाम बहुत लंबा है।</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>फ़ाइल %1 की है, जो यहाँ खोले जा सकने वाले %2 से अधिक है।</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>फ़ाइल पढ़ी नहीं जा सकी।</translation>
    </message>
</context>
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
