<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>TextEdit</name>
    <message>
        <source>File Actions</source>
        <translation>Azioni file</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;come...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Anteprima di stampa...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Esporta PDF...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Edit Actions</source>
        <translation>Azioni di modifica</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Format Actions</source>
        <translation>Azioni di formato</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormato</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Corsivo</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sottolineato</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>A &amp;sinistra</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>Al &amp;centro</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>A &amp;destra</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>&amp;Giustificato</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Colore...</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>Testo formattato</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Rich Text edits one formatted document and saves it as OpenDocument text, HTML or plain text, or exports it as PDF.</source>
        <translation>Testo formattato modifica un documento formattato e lo salva come testo OpenDocument, HTML o testo semplice, oppure lo esporta in PDF.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>Il documento è stato modificato.
Vuoi salvare le modifiche?</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Apri file...</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;All Files (*)</source>
        <translation>File HTML (*.htm *.html);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be opened:
%2</source>
        <translation>Impossibile aprire il file %1:
%2</translation>
    </message>
    <message>
        <source>%1 cannot be saved in this format.
Choose a name ending in .odt, .html or .txt.</source>
        <translation>%1 non può essere salvato in questo formato.
Scegli un nome che termini con .odt, .html o .txt.</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salva come...</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>Impossibile convertire il documento.</translation>
    </message>
    <message>
        <source>The document could not be saved as %1:
%2</source>
        <translation>Impossibile salvare il documento come %1:
%2</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>Stampa documento</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Impossibile stampare il documento.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1:
%2</source>
        <translation>Impossibile scrivere il PDF in %1:
%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>CSS Style Editor</source>
        <translation>Editor di stili CSS</translation>
    </message>
    <message>
        <source>It is an OpenDocument file, which this window writes but cannot read back.
Documents saved as HTML open here again.</source>
        <translation>È un file OpenDocument, che questa finestra scrive ma non può rileggere.
I documenti salvati come HTML si riaprono qui.</translation>
    </message>
    <message>
        <source>It is not a text file: it holds a picture, an archive or other binary data.</source>
        <translation>Non è un file di testo: contiene un&apos;immagine, un archivio o altri dati binari.</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;ODF files (*.odt);;All Files (*)</source>
        <translation>File HTML (*.htm *.html);;File ODF (*.odt);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>The style sheet %1 could not be opened:
%2</source>
        <translation>Impossibile aprire il foglio di stile %1:
%2</translation>
    </message>
    <message>
        <source>The style sheet could not be saved as %1:
%2</source>
        <translation>Impossibile salvare il foglio di stile come %1:
%2</translation>
    </message>
    <message>
        <source>Style Sheet</source>
        <translation>Foglio di stile</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Imposta informazioni</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;pplica</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>Editor di stili CSS</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EditorPanel</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Allinea a sinistra</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Centra</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Allinea a destra</translation>
    </message>
    <message>
        <source>Align Justify</source>
        <translation>Giustifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva come...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Anteprima di stampa...</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Crea PDF</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PlainTextSave</name>
    <message>
        <source>%1 is written in %2, which cannot hold some of the characters of the document.
Do you want to save it in UTF-8 instead?</source>
        <translation>%1 è scritto in %2, che non può contenere alcuni caratteri del documento.
Vuoi salvarlo invece in UTF-8?</translation>
    </message>
</context>
</TS>
