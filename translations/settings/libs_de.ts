<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>Die Einstellungen konnten nicht aus %1 geladen werden: %2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>Die Einstellungen konnten nicht aus %1 geladen werden: %2 (Zeile %3)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;Suche nach Aktualisierungen&lt;BR&gt;Bitte warten ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>Der Update-Server hat mit einem Fehler geantwortet (%1).
Zur Update-Webseite wechseln?</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>Der Update-Server hat nicht rechtzeitig geantwortet.
Zur Update-Webseite wechseln?</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>Keine Internetverbindung verfügbar.
Zur Update-Webseite wechseln?</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>Die Update-Informationen konnten nicht gelesen werden.
Zur Update-Webseite wechseln?</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>Eine neuere Version von %1 ist verfügbar.
Zur Update-Webseite wechseln?</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;Sie verwenden die neueste verfügbare Version.&lt;BR&gt;Zur Update-Webseite wechseln?&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Update-Benachrichtigung</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Beim Start nach Updates suchen</translation>
    </message>
</context>
</TS>
