<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>Nicht mit einem Server verbunden.</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>Ein anderer FTP-Befehl läuft noch.</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>Der Host %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>Die Verbindung zu %1 wurde abgelehnt.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Die Verbindung zum Server ist abgebrochen.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>Der Server hat die Anmeldung abgelehnt: %1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>Der Server hat den Befehl abgelehnt: %1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>Die Übertragung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>Die lokale Datei konnte nicht gelesen oder geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>Der Name oder das Gerät kann für FTP nicht verwendet werden.</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpGuiClient</name>
    <message>
        <source>FTP client</source>
        <translation>FTP-Client</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>Akt.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>%1 im aktuellen Ordner ablegen</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>Geben Sie den Hostnamen des Servers ein, gefolgt von „:“ und dem Port, wenn er nicht 21 ist.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>Bei %1 angemeldet.</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>%1 abgelegt.</translation>
    </message>
</context>
</TS>
