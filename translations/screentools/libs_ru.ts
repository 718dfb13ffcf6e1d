<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Выделите область, которую хотите вырезать.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>Файл изображения будет сохранён </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Удерживайте [ALT], чтобы после снимка открыть его расположение
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Нажмите [ESC], чтобы отменить операцию</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>Выделите область, которую хотите вырезать. 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>(для отмены нажмите клавишу ESC)</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>в %1</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>на рабочем столе</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>в домашней папке</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> Снимок экрана</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>Не удалось сделать снимок экрана. Возможно, рабочая среда не разрешает этой программе снимать экран.</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>Проведите мышью над областью, которую хотите измерить.
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>Ширина и высота показываются в точках экрана.
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Нажмите [ESC], чтобы отменить операцию</translation>
    </message>
</context>
</TS>
