<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Sélectionnez la zone à découper.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>Le fichier image sera enregistré </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Maintenez [ALT] pour ouvrir son emplacement une fois la capture faite
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Appuyez sur [ÉCHAP] pour annuler cette opération</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>Sélectionnez la zone à découper. 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>(pour annuler, appuyez sur la touche ÉCHAP)</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>sur le bureau</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>dans le dossier personnel</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> Capture d&apos;écran</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>Impossible de capturer l&apos;écran. Le bureau n&apos;autorise peut-être pas ce programme à en prendre une image.</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>Faites glisser sur la zone à mesurer.
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>La largeur et la hauteur s&apos;affichent en points d&apos;écran.
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Appuyez sur [ÉCHAP] pour annuler cette opération</translation>
    </message>
</context>
</TS>
