<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Impossible de lire ce fichier : il est introuvable, illisible ou ce n’est pas un fichier audio.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
</context>
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
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>La commande FTP a été annulée.</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>Le serveur a envoyé plus que ce que le client accepte : %1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>la commande a duré plus de %1 ms</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>une réponse de plus de %1 octets</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>une liste de plus de %1 octets</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>%1 octets sur %2 sont arrivés</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>aucune réponse complète en %1 ms</translation>
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
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>Les réglages d’enregistrement ne sont pas valides : %1 Hz, %2 canaux.</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>L’AAC demande un débit supérieur à 0, pas %1.</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>Aucun nom de fichier n’a été donné pour l’enregistrement.</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>Aucune entrée audio trouvée : le serveur de son ne fonctionne pas ou n’a pas d’entrée.</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>L’entrée audio %1 n’accepte pas %2 Hz avec %3 canaux.</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>Impossible d’ouvrir l’entrée audio %1.</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>Impossible de terminer l’enregistrement : %1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>Impossible d’écrire l’enregistrement : %1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>L’entrée audio s’est arrêtée pendant l’enregistrement.</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>Le format de fichier n’accepte pas %1 Hz avec %2 canaux.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossible d’écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>Les réglages d’enregistrement n’indiquent aucun encodage connu.</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>Le PCM linéaire s’enregistre dans des fichiers .wav, .aif, .aiff ou .caf, pas dans %1.</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>L’AAC s’enregistre dans des fichiers .m4a, .mp4, .aac ou .caf, pas dans %1.</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>L’encodeur AAC n’est pas disponible.</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>L’encodeur AAC n’accepte pas %1 Hz avec %2 canaux à %3 bits par seconde.</translation>
    </message>
</context>
</TS>
