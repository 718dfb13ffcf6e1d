<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5 तार</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4 तार</translation>
    </message>
</context>
<context>
    <name>RADarir::ModesPanel</name>
    <message>
        <source>Modes</source>
        <translation>मोड</translation>
    </message>
    <message>
        <source>More</source>
        <translation>और</translation>
    </message>
    <message>
        <source>Must Have</source>
        <translation>ज़रूरी</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>होना अच्छा</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>पढ़ें</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>सुनें</translation>
    </message>
    <message>
        <source>See</source>
        <translation>देखें</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>विकिपीडिया</translation>
    </message>
</context>
<context>
    <name>RADarir::TunerBasePage</name>
    <message>
        <source>The sound %1 is missing from the program&apos;s files.</source>
        <translation>ध्वनि %1 प्रोग्राम की फ़ाइलों में नहीं है।</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersCommonPanel</name>
    <message>
        <source>Pitch</source>
        <translation>पिच</translation>
    </message>
    <message>
        <source>Repeat the Sounds</source>
        <translation>ध्वनियाँ दोहराएँ</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ऐप</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (बरोक पिच)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (वैज्ञानिक पिच)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (फ़्रांस 1859 पिच)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (नई फ़िलहार्मोनिक पिच)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (कॉन्सर्ट पिच)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (बोस्टन सिम्फ़नी ऑर्केस्ट्रा पिच)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (नई बर्लिन फ़िलहार्मोनिक पिच)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (पुरानी बर्लिन फ़िलहार्मोनिक पिच)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (पुरानी फ़िलहार्मोनिक पिच)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (पुनर्जागरण पिच)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>इस ऐप को रेट करें</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>साझा करें</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>और ऐप</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>संपर्क करें</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>सहायता पृष्ठ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>गिटार</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>बेस गिटार</translation>
    </message>
    <message>
        <source>Ukulele</source>
        <translation>यूकुलेले</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>बैंजो</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>वायलिन</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>वायोला</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>चेलो</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>डबल बेस</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>मैंडोलिन</translation>
    </message>
    <message>
        <source>Balalaika</source>
        <translation>बालालाइका</translation>
    </message>
    <message>
        <source>Dombra</source>
        <translation>डोम्बरा</translation>
    </message>
    <message>
        <source>Harmonaut</source>
        <translation>Harmonaut</translation>
    </message>
</context>
</TS>
