<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Diese Datei kann nicht abgespielt werden: Sie fehlt, ist nicht lesbar oder ist keine Audiodatei.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
</context>
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
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>Der FTP-Befehl wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>Der Server hat mehr gesendet, als der Client annimmt: %1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>der Befehl dauerte länger als %1 ms</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>eine Antwort von mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>eine Auflistung von mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>%1 von %2 Bytes sind angekommen</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>keine vollständige Antwort innerhalb von %1 ms</translation>
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
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>Die Aufnahmeeinstellungen sind ungültig: %1 Hz, %2 Kanäle.</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>AAC braucht eine Bitrate über 0, nicht %1.</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>Für die Aufnahme wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>Kein Audioeingang gefunden: Der Soundserver läuft nicht oder hat keinen Eingang.</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>Der Audioeingang %1 unterstützt %2 Hz mit %3 Kanälen nicht.</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>Der Audioeingang %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>Die Aufnahme konnte nicht abgeschlossen werden: %1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>Die Aufnahme konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>Der Audioeingang ist während der Aufnahme ausgefallen.</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>Das Dateiformat unterstützt %1 Hz mit %2 Kanälen nicht.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>Die Aufnahmeeinstellungen nennen keine bekannte Kodierung.</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>Lineares PCM wird in .wav-, .aif-, .aiff- oder .caf-Dateien aufgenommen, nicht in %1.</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>AAC wird in .m4a-, .mp4-, .aac- oder .caf-Dateien aufgenommen, nicht in %1.</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>Der AAC-Encoder ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>Der AAC-Encoder unterstützt %1 Hz mit %2 Kanälen bei %3 Bit pro Sekunde nicht.</translation>
    </message>
</context>
</TS>
