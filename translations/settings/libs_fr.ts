<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – Paramètres</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>Charger les paramètres</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1 : %2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Charger les paramètres</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>Les paramètres n&apos;ont pas pu être chargés depuis %1 : %2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>Les paramètres n&apos;ont pas pu être chargés depuis %1 : %2 (ligne %3)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;Recherche des mises à jour&lt;BR&gt;Veuillez patienter ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>Le serveur de mises à jour a répondu par une erreur (%1).
Aller à la page web des mises à jour ?</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>Le serveur de mises à jour n&apos;a pas répondu à temps.
Aller à la page web des mises à jour ?</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>Aucune connexion Internet n&apos;est disponible.
Aller à la page web des mises à jour ?</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>Les informations de mise à jour n&apos;ont pas pu être lues.
Aller à la page web des mises à jour ?</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>Une version plus récente de %1 est disponible.
Aller à la page web des mises à jour ?</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;Vous utilisez la dernière version disponible.&lt;BR&gt;Aller à la page web des mises à jour ?&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Notification de mises à jour</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Rechercher les mises à jour au démarrage</translation>
    </message>
</context>
</TS>
