<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ZEDireroz::ImageNoteEditor</name>
    <message>
        <source>Drag this into a mail, a chat or a cloud folder</source>
        <translation>اسحب هذا إلى بريد أو محادثة أو مجلد سحابي</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>قلم</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>ممحاة</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>قلم تمييز</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>مستطيل مملوء</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>شكل بيضاوي</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>تمويه</translation>
    </message>
    <message>
        <source>Filled Oval</source>
        <translation>شكل بيضاوي مملوء</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>خط</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>سهم</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>MoreApps</source>
        <translation>تطبيقات أخرى</translation>
    </message>
    <message>
        <source>App</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Do you want to save the current changes to the file?</source>
        <translation>هل تريد حفظ التغييرات الحالية في الملف؟</translation>
    </message>
    <message>
        <source>The changes of the current image are not saved.
After creation of the new screen shot these changes will be lost.
Continue?</source>
        <translation>لم تُحفظ تغييرات الصورة الحالية.
ستضيع هذه التغييرات عند إنشاء لقطة الشاشة الجديدة.
هل تريد المتابعة؟</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ImageNoteWorkArea</name>
    <message>
        <source>Save Picture</source>
        <translation>حفظ الصورة</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>تعذّر ترميز الصورة.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.
%2</source>
        <translation>تعذّر حفظ الصورة باسم &quot;%1&quot;.
%2</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditDragPreview</name>
    <message>
        <source>Drag</source>
        <translation>اسحب</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditWidget</name>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>تصغير</translation>
    </message>
</context>
</TS>
