<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ZEDireroz::ImageNoteEditor</name>
    <message>
        <source>Drag this into a mail, a chat or a cloud folder</source>
        <translation>Ziehen Sie dies in eine E-Mail, einen Chat oder einen Cloud-Ordner</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>Textmarker</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Gefülltes Rechteck</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Filled Oval</source>
        <translation>Gefülltes Oval</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>MoreApps</source>
        <translation>Weitere Apps</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Do you want to save the current changes to the file?</source>
        <translation>Möchten Sie die aktuellen Änderungen in der Datei speichern?</translation>
    </message>
    <message>
        <source>The changes of the current image are not saved.
After creation of the new screen shot these changes will be lost.
Continue?</source>
        <translation>Die Änderungen am aktuellen Bild sind nicht gespeichert.
Nach dem neuen Bildschirmfoto gehen sie verloren.
Fortfahren?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ImageNoteWorkArea</name>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>Das Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.
%2</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden.
%2</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditDragPreview</name>
    <message>
        <source>Drag</source>
        <translation>Ziehen</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditWidget</name>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verkleinern</translation>
    </message>
</context>
</TS>
