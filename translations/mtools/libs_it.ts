<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>Non è rimasto spazio libero sul dispositivo.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>La quota del disco è esaurita.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permesso negato.</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>Il file system è di sola lettura.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La cartella non esiste.</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>Il nome appartiene a una cartella.</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>Una parte del percorso non è una cartella.</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>Il file è troppo grande per il file system.</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>Il dispositivo ha segnalato un errore di input o output.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Il nome è troppo lungo.</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>Il file è di %1, più dei %2 che si possono aprire qui.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>L&apos;Ariete</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>Il Toro</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>I Gemelli</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>Il Granchio</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>Il Leone</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>La Vergine</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>La Bilancia</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>Lo Scorpione</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>L&apos;Arciere</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>La Capra Marina</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>Il Portatore d&apos;Acqua</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>I Pesci</translation>
    </message>
</context>
</TS>
