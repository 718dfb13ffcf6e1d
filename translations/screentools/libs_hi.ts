<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ZEDireroz::ScreenCropper</name>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>वह क्षेत्र चुनें जिसे आप काटना चाहते हैं।
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>छवि फ़ाइल सहेजी जाएगी </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>स्क्रीनशॉट के बाद उसके स्थान पर जाने के लिए [ALT] दबाए रखें
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>इस कार्य को रद्द करने के लिए [ESC] दबाएँ</translation>
    </message>
    <message>
        <source>Select the area you want to crop. 
</source>
        <translation>वह क्षेत्र चुनें जिसे आप काटना चाहते हैं। 
</translation>
    </message>
    <message>
        <source>(to cancel this operation press ESC button)</source>
        <translation>(रद्द करने के लिए ESC बटन दबाएँ)</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1 में</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>डेस्कटॉप पर</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>होम फ़ोल्डर में</translation>
    </message>
    <message>
        <source> Screen Capture</source>
        <translation> स्क्रीन कैप्चर</translation>
    </message>
    <message>
        <source>The screen could not be captured. The desktop may not allow this program to take a picture of it.</source>
        <translation>स्क्रीन कैप्चर नहीं हो सकी। हो सकता है कि डेस्कटॉप इस प्रोग्राम को स्क्रीन की तस्वीर लेने की अनुमति न देता हो।</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ScreenMeasurer</name>
    <message>
        <source>Drag over the area you want to measure.
</source>
        <translation>जिस क्षेत्र को मापना है, उस पर खींचें।
</translation>
    </message>
    <message>
        <source>Its width and height are shown in screen points.
</source>
        <translation>इसकी चौड़ाई और ऊँचाई स्क्रीन पॉइंट में दिखाई जाती है।
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>इस कार्य को रद्द करने के लिए [ESC] दबाएँ</translation>
    </message>
</context>
</TS>
