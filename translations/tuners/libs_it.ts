<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5 corde</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4 corde</translation>
    </message>
</context>
<context>
    <name>RADarir::ModesPanel</name>
    <message>
        <source>Modes</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Must Have</source>
        <translation>Indispensabile</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Bello da avere</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggere</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Ascoltare</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Guardare</translation>
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
        <translation>Il suono %1 manca nei file del programma.</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersCommonPanel</name>
    <message>
        <source>Pitch</source>
        <translation>Diapason</translation>
    </message>
    <message>
        <source>Repeat the Sounds</source>
        <translation>Ripeti i suoni</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (diapason barocco)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (diapason scientifico)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (diapason Francia 1859)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (nuovo diapason filarmonico)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (diapason da concerto)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (diapason della Boston Symphony Orchestra)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (diapason dei nuovi Filarmonici di Berlino)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (diapason dei vecchi Filarmonici di Berlino)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (vecchio diapason filarmonico)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (diapason rinascimentale)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>Valuta questa app</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Altre app</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Pagina di supporto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>Chitarra</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>Basso elettrico</translation>
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
        <translation>Violino</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncello</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>Contrabbasso</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Mandolino</translation>
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
