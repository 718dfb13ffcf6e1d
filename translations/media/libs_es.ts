<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</TS>
