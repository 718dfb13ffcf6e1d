<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>لم تعد هناك مساحة فارغة على الجهاز.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>نفدت حصة القرص.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>تم رفض الإذن.</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>نظام الملفات للقراءة فقط.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>الملف غير موجود.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>المجلد غير موجود.</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>هذا الاسم لمجلد.</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>جزء من المسار ليس مجلدًا.</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>الملف أكبر مما يتسع له نظام الملفات.</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>أبلغ الجهاز عن خطأ في الإدخال أو الإخراج.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>الاسم طويل جدًا.</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>حجم الملف %1، وهو أكبر من %2 الذي يمكن فتحه هنا.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>تعذرت قراءة الملف.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>السبت</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>January</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>الكبش</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>الثور</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>التوأمان</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>السرطان</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>الأسد</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>العذراء</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>الميزان</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>العقرب</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>الرامي</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>الجدي البحري</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>حامل الماء</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>السمكتان</translation>
    </message>
</context>
</TS>
