<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5 cordes</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4 cordes</translation>
    </message>
</context>
<context>
    <name>RADarir::ModesPanel</name>
    <message>
        <source>Modes</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Must Have</source>
        <translation>Indispensable</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Bon à avoir</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>Wikipédia</translation>
    </message>
</context>
<context>
    <name>RADarir::TunerBasePage</name>
    <message>
        <source>The sound %1 is missing from the program&apos;s files.</source>
        <translation>Le son %1 manque dans les fichiers du programme.</translation>
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
        <translation>Répéter les sons</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (diapason baroque)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (diapason scientifique)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (diapason France 1859)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (nouveau diapason philharmonique)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (diapason de concert)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (diapason de l'Orchestre symphonique de Boston)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (diapason de la nouvelle Philharmonie de Berlin)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (diapason de l'ancienne Philharmonie de Berlin)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (ancien diapason philharmonique)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (diapason de la Renaissance)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>Noter cette app</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Autres apps</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Page d'assistance</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>Guitare</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>Guitare basse</translation>
    </message>
    <message>
        <source>Ukulele</source>
        <translation>Ukulélé</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violon</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncelle</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>Contrebasse</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Mandoline</translation>
    </message>
    <message>
        <source>Balalaika</source>
        <translation>Balalaïka</translation>
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
