<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Selecione a área que deseja recortar.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>O arquivo de imagem será salvo </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Mantenha [ALT] pressionada para ir ao local da captura quando terminar
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Pressione [ESC] para cancelar esta operação</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>Selecione a área que deseja recortar. 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>(para cancelar pressione a tecla ESC)</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>em %1</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>na área de trabalho</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>na pasta pessoal</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> Captura de tela</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>Não foi possível capturar a tela. O ambiente de trabalho pode não permitir que este programa tire uma imagem dela.</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>Arraste sobre a área que deseja medir.
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>A largura e a altura são mostradas em pontos de tela.
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Pressione [ESC] para cancelar esta operação</translation>
    </message>
</context>
</TS>
