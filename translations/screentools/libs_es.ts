<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Seleccione el área que desea recortar.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>El archivo de imagen se guardará </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Mantenga pulsada [ALT] para ir a su ubicación cuando termine la captura
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Pulse [ESC] para cancelar esta operación</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>Seleccione el área que desea recortar. 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>(para cancelar pulse la tecla ESC)</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>en el escritorio</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>en la carpeta personal</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> Captura de pantalla</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>No se pudo capturar la pantalla. Es posible que el escritorio no permita a este programa tomar una imagen de ella.</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>Arrastre sobre el área que desea medir.
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>El ancho y el alto se muestran en puntos de pantalla.
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Pulse [ESC] para cancelar esta operación</translation>
    </message>
</context>
</TS>
