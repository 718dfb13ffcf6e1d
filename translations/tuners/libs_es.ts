<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5 cuerdas</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4 cuerdas</translation>
    </message>
</context>
<context>
    <name>RADarir::ModesPanel</name>
    <message>
        <source>Modes</source>
        <translation>Modos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Must Have</source>
        <translation>Imprescindible</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Bueno tener</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Ver</translation>
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
        <translation>Falta el sonido %1 en los archivos del programa.</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersCommonPanel</name>
    <message>
        <source>Pitch</source>
        <translation>Afinación</translation>
    </message>
    <message>
        <source>Repeat the Sounds</source>
        <translation>Repetir los sonidos</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (afinación barroca)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (afinación científica)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (afinación Francia 1859)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (nueva afinación filarmónica)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (afinación de concierto)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (afinación de la Orquesta Sinfónica de Boston)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (afinación de la nueva Filarmónica de Berlín)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (afinación de la antigua Filarmónica de Berlín)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (antigua afinación filarmónica)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (afinación renacentista)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>Valorar esta app</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Más apps</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Página de soporte</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>Guitarra</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>Bajo eléctrico</translation>
    </message>
    <message>
        <source>Ukulele</source>
        <translation>Ukelele</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violín</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violonchelo</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>Contrabajo</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Mandolina</translation>
    </message>
    <message>
        <source>Balalaika</source>
        <translation>Balalaica</translation>
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
