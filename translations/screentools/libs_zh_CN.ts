<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>请选择要截取的区域。
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>图像文件将保存</translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>按住 [ALT] 可在截图完成后打开其所在位置
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>按 [ESC] 取消此操作</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>请选择要截取的区域。 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>（按 ESC 键取消此操作）</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>到 %1</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>到桌面</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>到主文件夹</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> 屏幕截图</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>无法截取屏幕。桌面环境可能不允许此程序截取屏幕图像。</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>在要测量的区域上拖动。
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>宽度和高度以屏幕点为单位显示。
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>按 [ESC] 取消此操作</translation>
    </message>
</context>
</TS>
