<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>غير متصل بخادم.</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>لا يزال أمر FTP آخر قيد التنفيذ.</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>لم يُعثر على المضيف %1.</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>رُفض الاتصال بـ %1.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>انقطع الاتصال بالخادم.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>لم يستجب الخادم في الوقت المحدد.</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>رفض الخادم تسجيل الدخول: %1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>رفض الخادم الأمر: %1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>فشل النقل: %1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>تعذّرت قراءة الملف المحلي أو الكتابة فيه: %1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>لا يمكن استخدام الاسم أو الجهاز مع FTP.</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpGuiClient</name>
    <message>
        <source>FTP client</source>
        <translation>عميل FTP</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;دخول</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;انتقال</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>آخر تعديل</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>اختبار</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>حفظ %1 في المجلد الحالي</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>المضيف:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>المستخدم:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>المسار:</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>أدخل اسم مضيف الخادم، متبوعًا بـ &quot;:&quot; ثم المنفذ إن لم يكن 21.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>تم تسجيل الدخول إلى %1.</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>تم حفظ %1.</translation>
    </message>
</context>
</TS>
