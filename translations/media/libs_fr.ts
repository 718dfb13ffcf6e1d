<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>Non connecté à un serveur.</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>Une autre commande FTP est encore en cours.</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>L’hôte %1 est introuvable.</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>La connexion à %1 a été refusée.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>La connexion au serveur a été perdue.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Le serveur n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>Le serveur a refusé la connexion : %1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>Le serveur a refusé la commande : %1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>Le transfert a échoué : %1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>Impossible de lire ou d’écrire le fichier local : %1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>Ce nom ou ce périphérique ne peut pas servir pour FTP.</translation>
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
        <translation>&amp;Connexion</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>Enregistrer %1 dans le dossier actuel</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Hôte :</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin :</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>Saisissez le nom d’hôte du serveur, suivi de « : » et du port s’il n’est pas 21.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>Connecté à %1.</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
</context>
</TS>
