<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Este archivo no se puede reproducir: falta, no se puede leer o no es un archivo de sonido.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>No hay conexión con un servidor.</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>Otra orden FTP sigue en curso.</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>No se encontró el host %1.</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>%1 rechazó la conexión.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Se perdió la conexión con el servidor.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>El servidor no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>El servidor rechazó el inicio de sesión: %1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>El servidor rechazó la orden: %1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>La transferencia falló: %1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>No se pudo leer o escribir el archivo local: %1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>El nombre o el dispositivo no se puede usar para FTP.</translation>
    </message>
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>Se canceló la orden FTP.</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>El servidor envió más de lo que admite el cliente: %1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>la orden tardó más de %1 ms</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>una respuesta de más de %1 bytes</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>un listado de más de %1 bytes</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>llegaron %1 de %2 bytes</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>ninguna respuesta completa en %1 ms</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpGuiClient</name>
    <message>
        <source>FTP client</source>
        <translation>Cliente FTP</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>Guardar %1 en la carpeta actual</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>Escriba el nombre de host del servidor, seguido de «:» y el puerto si no es el 21.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>Sesión iniciada en %1.</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>%1 guardado.</translation>
    </message>
</context>
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>Los ajustes de grabación no son válidos: %1 Hz, %2 canales.</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>AAC necesita una tasa de bits mayor que 0, no %1.</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>No se indicó un nombre de archivo para la grabación.</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>No se encontró ninguna entrada de sonido: el servidor de sonido no está en marcha o no tiene entradas.</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>La entrada de sonido %1 no admite %2 Hz con %3 canales.</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>No se pudo abrir la entrada de sonido %1.</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>No se pudo completar la grabación: %1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>No se pudo escribir la grabación: %1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>La entrada de sonido se detuvo durante la grabación.</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>El formato de archivo no admite %1 Hz con %2 canales.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>Los ajustes de grabación no indican ninguna codificación conocida.</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>El PCM lineal se graba en archivos .wav, .aif, .aiff o .caf, no en %1.</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>El AAC se graba en archivos .m4a, .mp4, .aac o .caf, no en %1.</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>El codificador AAC no está disponible.</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>El codificador AAC no admite %1 Hz con %2 canales a %3 bits por segundo.</translation>
    </message>
</context>
</TS>
