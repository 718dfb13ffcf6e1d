<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5 cordas</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4 cordas</translation>
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
        <translation>Mais</translation>
    </message>
    <message>
        <source>Must Have</source>
        <translation>Essencial</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Bom ter</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Ver</translation>
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
        <translation>O som %1 está em falta nos arquivos do programa.</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersCommonPanel</name>
    <message>
        <source>Pitch</source>
        <translation>Afinação</translation>
    </message>
    <message>
        <source>Repeat the Sounds</source>
        <translation>Repetir os sons</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (afinação barroca)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (afinação científica)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (afinação França 1859)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (nova afinação filarmônica)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (afinação de concerto)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (afinação da Orquestra Sinfônica de Boston)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (afinação da nova Filarmônica de Berlim)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (afinação da antiga Filarmônica de Berlim)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (antiga afinação filarmônica)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (afinação renascentista)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>Avaliar este app</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>Mais apps</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>Fale conosco</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Página de suporte</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>Violão</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>Baixo elétrico</translation>
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
        <translation>Violoncelo</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>Contrabaixo</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Bandolim</translation>
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
