<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
</TS>
