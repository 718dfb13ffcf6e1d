<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ZEDireroz::ImageNoteEditor</name>
    <message>
        <source>Drag this into a mail, a chat or a cloud folder</source>
        <translation>Faites glisser ceci dans un courriel, une discussion ou un dossier en ligne</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>Surligneur</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Rectangle plein</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Filled Oval</source>
        <translation>Ovale plein</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler l&apos;action</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>MoreApps</source>
        <translation>Autres applications</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Do you want to save the current changes to the file?</source>
        <translation>Voulez-vous enregistrer les modifications actuelles dans le fichier ?</translation>
    </message>
    <message>
        <source>The changes of the current image are not saved.
After creation of the new screen shot these changes will be lost.
Continue?</source>
        <translation>Les modifications de l&apos;image actuelle ne sont pas enregistrées.
Elles seront perdues avec la nouvelle capture d&apos;écran.
Continuer ?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ImageNoteWorkArea</name>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>L&apos;image n&apos;a pas pu être encodée.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.
%2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous « %1 ».
%2</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditDragPreview</name>
    <message>
        <source>Drag</source>
        <translation>Glisser</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditWidget</name>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Réduire</translation>
    </message>
</context>
</TS>
