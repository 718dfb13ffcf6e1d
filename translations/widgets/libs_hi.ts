<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ZEDireroz::ComboProgress</name>
    <message>
        <source>Stop</source>
        <translation>रोकें</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CommunityButton</name>
    <message>
        <source>Share</source>
        <translation>साझा करें</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::DirView</name>
    <message>
        <source>Dir View</source>
        <translation>फ़ोल्डर दृश्य</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::IconView</name>
    <message>
        <source>&amp;Open In Separate View</source>
        <translation>अलग दृश्य में खोलें (&amp;O)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MenuButton</name>
    <message>
        <source>Menu</source>
        <translation>मेनू</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ResolutionSetupWidget</name>
    <message>
        <source>Low</source>
        <translation>कम</translation>
    </message>
    <message>
        <source>High</source>
        <translation>अधिक</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SearchFilter</name>
    <message>
        <source>Search Filter</source>
        <translation>खोज फ़िल्टर</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>साफ़ करें</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>खोजें:</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::VirtualResolutionDialog</name>
    <message>
        <source>Virtual Resolution Mode</source>
        <translation>आभासी रिज़ॉल्यूशन मोड</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>सामान्य मोड</translation>
    </message>
    <message>
        <source>Virtual Resolution</source>
        <translation>आभासी रिज़ॉल्यूशन</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>विंडो का आकार</translation>
    </message>
    <message>
        <source>OpenGL Acceleration</source>
        <translation>OpenGL त्वरण</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ठीक है</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;रद्द करें</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;लागू करें</translation>
    </message>
</context>
</TS>
