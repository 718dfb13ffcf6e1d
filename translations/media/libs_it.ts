<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Impossibile riprodurre questo file: manca, non è leggibile o non è un file audio.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>Non connesso a un server.</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>Un altro comando FTP è ancora in corso.</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>L&apos;host %1 non è stato trovato.</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>La connessione a %1 è stata rifiutata.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>La connessione al server è stata persa.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Il server non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>Il server ha rifiutato l&apos;accesso: %1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>Il server ha rifiutato il comando: %1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>Il trasferimento non è riuscito: %1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>Impossibile leggere o scrivere il file locale: %1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>Il nome o il dispositivo non può essere usato per FTP.</translation>
    </message>
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>Il comando FTP è stato annullato.</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>Il server ha inviato più di quanto il client accetti: %1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>il comando ha impiegato più di %1 ms</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>una risposta di oltre %1 byte</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>un elenco di oltre %1 byte</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>sono arrivati %1 byte su %2</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>nessuna risposta completa entro %1 ms</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpGuiClient</name>
    <message>
        <source>FTP client</source>
        <translation>Client FTP</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Accedi</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Vai</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>Agg.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>Salva %1 nella cartella corrente</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Percorso:</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>Inserisci il nome host del server, seguito da «:» e dalla porta se non è la 21.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>Accesso eseguito su %1.</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>%1 salvato.</translation>
    </message>
</context>
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>Le impostazioni di registrazione non sono valide: %1 Hz, %2 canali.</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>L&apos;AAC richiede un bitrate maggiore di 0, non %1.</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>Non è stato indicato un nome di file per la registrazione.</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>Nessun ingresso audio trovato: il server audio non è in esecuzione o non ha ingressi.</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>L&apos;ingresso audio %1 non accetta %2 Hz con %3 canali.</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>Impossibile aprire l&apos;ingresso audio %1.</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>Impossibile completare la registrazione: %1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>Impossibile scrivere la registrazione: %1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>L&apos;ingresso audio si è fermato durante la registrazione.</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>Il formato di file non accetta %1 Hz con %2 canali.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>Le impostazioni di registrazione non indicano una codifica nota.</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>Il PCM lineare si registra in file .wav, .aif, .aiff o .caf, non in %1.</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>L&apos;AAC si registra in file .m4a, .mp4, .aac o .caf, non in %1.</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>Il codificatore AAC non è disponibile.</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>Il codificatore AAC non accetta %1 Hz con %2 canali a %3 bit al secondo.</translation>
    </message>
</context>
</TS>
