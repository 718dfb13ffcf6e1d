<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Wählen Sie den Bereich, den Sie ausschneiden möchten.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>Die Bilddatei wird gespeichert </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Halten Sie [ALT] gedrückt, um nach der Aufnahme zu ihrem Speicherort zu gehen
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Drücken Sie [ESC], um den Vorgang abzubrechen</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>Wählen Sie den Bereich, den Sie ausschneiden möchten. 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>(zum Abbrechen die ESC-Taste drücken)</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>auf dem Schreibtisch</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>im persönlichen Ordner</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden. Möglicherweise erlaubt die Arbeitsumgebung diesem Programm keine Bildschirmaufnahme.</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>Ziehen Sie über den Bereich, den Sie messen möchten.
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>Breite und Höhe werden in Bildschirmpunkten angezeigt.
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Drücken Sie [ESC], um den Vorgang abzubrechen</translation>
    </message>
</context>
</TS>
