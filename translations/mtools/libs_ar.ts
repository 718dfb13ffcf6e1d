<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
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
