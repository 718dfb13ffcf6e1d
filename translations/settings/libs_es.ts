<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – Configuración</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>Guardar la configuración</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>Cargar la configuración</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>No se pudo guardar la configuración en %1: %2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Cargar configuración</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>No se pudo cargar la configuración desde %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>No se pudo cargar la configuración desde %1: %2 (línea %3)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;Buscando actualizaciones&lt;BR&gt;Espere, por favor ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>El servidor de actualizaciones respondió con un error (%1).
¿Ir a la página web de actualizaciones?</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>El servidor de actualizaciones no respondió a tiempo.
¿Ir a la página web de actualizaciones?</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>No hay conexión a Internet.
¿Ir a la página web de actualizaciones?</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>No se pudo leer la información de actualizaciones.
¿Ir a la página web de actualizaciones?</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>Hay disponible una versión más reciente de %1.
¿Ir a la página web de actualizaciones?</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;Está usando la última versión disponible.&lt;BR&gt;¿Ir a la página web de actualizaciones?&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Notificación de actualizaciones</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Buscar actualizaciones al iniciar</translation>
    </message>
</context>
</TS>
