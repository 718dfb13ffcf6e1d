<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>لا يمكن تشغيل هذا الملف: فهو غير موجود أو غير قابل للقراءة أو ليس ملفًا صوتيًا.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>الرقم</translation>
    </message>
</context>
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
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>أُلغي أمر FTP.</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>أرسل الخادم أكثر مما يقبله العميل: %1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>استغرق الأمر أكثر من %1 ms</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>رد يزيد على %1 بايت</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>قائمة تزيد على %1 بايت</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>وصل %1 من %2 بايت</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>لم يصل رد كامل خلال %1 ms</translation>
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
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>إعدادات التسجيل غير صالحة: %1 هرتز، %2 قنوات.</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>يحتاج AAC إلى معدل بت أكبر من 0، وليس %1.</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>لم يُحدَّد اسم ملف للتسجيل.</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>لم يُعثر على مدخل صوت: خادم الصوت لا يعمل أو لا يملك مدخلًا.</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>مدخل الصوت %1 لا يقبل %2 هرتز مع %3 قنوات.</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>تعذّر فتح مدخل الصوت %1.</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>تعذّر إكمال التسجيل: %1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>تعذّرت كتابة التسجيل: %1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>توقف مدخل الصوت أثناء التسجيل.</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>تنسيق الملف لا يقبل %1 هرتز مع %2 قنوات.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>تعذّرت كتابة الملف %1: %2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>لا تحدد إعدادات التسجيل ترميزًا معروفًا.</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>يُسجَّل PCM الخطي في ملفات ‎.wav أو ‎.aif أو ‎.aiff أو ‎.caf، وليس في %1.</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>يُسجَّل AAC في ملفات ‎.m4a أو ‎.mp4 أو ‎.aac أو ‎.caf، وليس في %1.</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>مُرمِّز AAC غير متاح.</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>مُرمِّز AAC لا يقبل %1 هرتز مع %2 قنوات بمعدل %3 بت في الثانية.</translation>
    </message>
</context>
</TS>
