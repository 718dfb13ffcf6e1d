<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5 Saiten</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4 Saiten</translation>
    </message>
</context>
<context>
    <name>RADarir::ModesPanel</name>
    <message>
        <source>Modes</source>
        <translation>Modi</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Must Have</source>
        <translation>Unverzichtbar</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Schön zu haben</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Sehen</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>Wikipedia</translation>
    </message>
</context>
<context>
    <name>RADarir::TunerBasePage</name>
    <message>
        <source>The sound %1 is missing from the program&apos;s files.</source>
        <translation>Der Klang %1 fehlt in den Dateien des Programms.</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersCommonPanel</name>
    <message>
        <source>Pitch</source>
        <translation>Stimmton</translation>
    </message>
    <message>
        <source>Repeat the Sounds</source>
        <translation>Töne wiederholen</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (Barock-Stimmton)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (Wissenschaftlicher Stimmton)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (Stimmton Frankreich 1859)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (Neuer philharmonischer Stimmton)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (Kammerton)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (Stimmton des Boston Symphony Orchestra)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (Stimmton der neuen Berliner Philharmonie)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (Stimmton der alten Berliner Philharmonie)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (Alter philharmonischer Stimmton)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (Renaissance-Stimmton)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>App bewerten</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Weitere Apps</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Support-Seite</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>E-Bass</translation>
    </message>
    <message>
        <source>Ukulele</source>
        <translation>Ukulele</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violine</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Bratsche</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Cello</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>Kontrabass</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Mandoline</translation>
    </message>
    <message>
        <source>Balalaika</source>
        <translation>Balalaika</translation>
    </message>
    <message>
        <source>Dombra</source>
        <translation>Dombra</translation>
    </message>
    <message>
        <source>Harmonaut</source>
        <translation>Harmonaut</translation>
    </message>
</context>
</TS>
