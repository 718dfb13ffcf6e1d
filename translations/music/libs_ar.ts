<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>RADarir::BaseMainPage</name>
    <message>
        <source>Must Have</source>
        <translation>لا غنى عنه</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>من الجميل اقتناؤه</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>اقرأ</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>استمع</translation>
    </message>
    <message>
        <source>See</source>
        <translation>شاهد</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>ويكيبيديا</translation>
    </message>
</context>
<context>
    <name>RADarir::FavoritesDeleteDlg</name>
    <message>
        <source>Delete the chords</source>
        <translation>حذف الأوتار</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف(&amp;D)</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>إضافة وتر</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>بصوت</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>تحويل المقام</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>إزالة الوتر المحدد</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>بلا صوت</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>جديد(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>حفظ(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>حذف(&amp;D)…</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>حفظ المفضلة</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>اسم المفضلة:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>لا يمكن إنشاء مفضلة بلا اسم</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>إزالة المفضلة:
 «</translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation>»؟</translation>
    </message>
</context>
</TS>
