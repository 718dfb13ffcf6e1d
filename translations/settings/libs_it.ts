<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>Salva le impostazioni</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>Carica le impostazioni</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Impossibile salvare le impostazioni in %1: %2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Carica impostazioni</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>Impossibile caricare le impostazioni da %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>Impossibile caricare le impostazioni da %1: %2 (riga %3)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;Ricerca degli aggiornamenti&lt;BR&gt;Attendere prego ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>Il server degli aggiornamenti ha risposto con un errore (%1).
Andare alla pagina web degli aggiornamenti?</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>Il server degli aggiornamenti non ha risposto in tempo.
Andare alla pagina web degli aggiornamenti?</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>Nessuna connessione a Internet disponibile.
Andare alla pagina web degli aggiornamenti?</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>Impossibile leggere le informazioni sugli aggiornamenti.
Andare alla pagina web degli aggiornamenti?</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>È disponibile una versione più recente di %1.
Andare alla pagina web degli aggiornamenti?</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;Si sta utilizzando l&apos;ultima versione disponibile.&lt;BR&gt;Andare alla pagina web degli aggiornamenti?&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Notifica aggiornamenti</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Controlla gli aggiornamenti all&apos;avvio</translation>
    </message>
</context>
</TS>
