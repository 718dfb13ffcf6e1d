<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ZEDireroz::ImageNoteEditor</name>
    <message>
        <source>Drag this into a mail, a chat or a cloud folder</source>
        <translation>Trascina qui in una mail, una chat o una cartella cloud</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>Evidenziatore</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Rettangolo pieno</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Sfoca</translation>
    </message>
    <message>
        <source>Filled Oval</source>
        <translation>Ovale pieno</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla azione</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>MoreApps</source>
        <translation>Altre app</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Do you want to save the current changes to the file?</source>
        <translation>Salvare le modifiche attuali nel file?</translation>
    </message>
    <message>
        <source>The changes of the current image are not saved.
After creation of the new screen shot these changes will be lost.
Continue?</source>
        <translation>Le modifiche dell&apos;immagine attuale non sono salvate.
Con la nuova schermata andranno perse.
Continuare?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ImageNoteWorkArea</name>
    <message>
        <source>Save Picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>Impossibile codificare l&apos;immagine.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.
%2</source>
        <translation>Impossibile salvare l&apos;immagine come «%1».
%2</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditDragPreview</name>
    <message>
        <source>Drag</source>
        <translation>Trascina</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditWidget</name>
    <message>
        <source>Accept</source>
        <translation>Accetta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Riduci</translation>
    </message>
</context>
</TS>
