<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>حدّد المنطقة التي تريد قصّها.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>سيُحفظ ملف الصورة </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>اضغط مع الاستمرار على [ALT] للانتقال إلى موقع اللقطة بعد التقاطها
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>اضغط [ESC] لإلغاء هذه العملية</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>حدّد المنطقة التي تريد قصّها. 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>(لإلغاء العملية اضغط زر ESC)</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>في %1</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>على سطح المكتب</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>في المجلد الشخصي</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> التقاط الشاشة</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>تعذّر التقاط الشاشة. ربما لا يسمح سطح المكتب لهذا البرنامج بالتقاط صورة لها.</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>اسحب فوق المنطقة التي تريد قياسها.
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>يُعرض عرضها وارتفاعها بنقاط الشاشة.
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>اضغط [ESC] لإلغاء هذه العملية</translation>
    </message>
</context>
</TS>
