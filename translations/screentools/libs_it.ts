<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Selezionate l&apos;area da ritagliare.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>Il file immagine sarà salvato </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Tenete premuto [ALT] per aprirne la posizione a cattura terminata
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Premete [ESC] per annullare l&apos;operazione</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>Selezionate l&apos;area da ritagliare. 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>(per annullare premete il tasto ESC)</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>sulla scrivania</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>nella cartella personale</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> Cattura dello schermo</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>Impossibile catturare lo schermo. Il desktop potrebbe non consentire a questo programma di riprenderlo.</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>Trascinate sopra l&apos;area da misurare.
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>Larghezza e altezza sono indicate in punti dello schermo.
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Premete [ESC] per annullare l&apos;operazione</translation>
    </message>
</context>
</TS>
