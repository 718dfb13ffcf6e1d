<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>RADarir::BaseMainPage</name>
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
    <name>RADarir::FavoritesDeleteDlg</name>
    <message>
        <source>Delete the chords</source>
        <translation>Elimina gli accordi</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>Aggiungi accordo</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Suono attivo</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Trasponi</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>Rimuovi l’accordo selezionato</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Suono spento</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva…</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Elimina…</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>Salva preferito</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>Nome del preferito:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>Impossibile creare un preferito senza nome</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>Rimuovere il preferito:
 «</translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation>»?</translation>
    </message>
</context>
</TS>
