<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>TextEdit</name>
    <message>
        <source>File Actions</source>
        <translation>إجراءات الملف</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>جديد(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>فتح(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>حفظ باسم(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>طباعة(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>معاينة الطباعة...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>تصدير PDF(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>خروج(&amp;Q)</translation>
    </message>
    <message>
        <source>Edit Actions</source>
        <translation>إجراءات التحرير</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تراجع(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;إعادة</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>قص(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>نسخ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>لصق(&amp;P)</translation>
    </message>
    <message>
        <source>Format Actions</source>
        <translation>إجراءات التنسيق</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>تنسيق(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>عريض(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>مائل(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>تسطير(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>إلى اليسار(&amp;L)</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>في &amp;الوسط</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>إلى اليمين(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>ضبط(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>لون(&amp;C)...</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>نص منسق</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Rich Text edits one formatted document and saves it as OpenDocument text, HTML or plain text, or exports it as PDF.</source>
        <translation>يحرر النص المنسق مستندًا منسقًا واحدًا ويحفظه كنص OpenDocument أو HTML أو نص عادي، أو يصدّره بصيغة PDF.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>تم تعديل المستند.
هل تريد حفظ التغييرات؟</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>فتح ملف...</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;All Files (*)</source>
        <translation>ملفات HTML (*.htm *.html);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be opened:
%2</source>
        <translation>تعذر فتح الملف %1:
%2</translation>
    </message>
    <message>
        <source>%1 cannot be saved in this format.
Choose a name ending in .odt, .html or .txt.</source>
        <translation>لا يمكن حفظ %1 بهذه الصيغة.
اختر اسمًا ينتهي بـ ‎.odt أو ‎.html أو ‎.txt.</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>حفظ باسم...</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>تعذر تحويل المستند.</translation>
    </message>
    <message>
        <source>The document could not be saved as %1:
%2</source>
        <translation>تعذر حفظ المستند باسم %1:
%2</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>طباعة المستند</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>تعذرت طباعة المستند.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1:
%2</source>
        <translation>تعذرت كتابة ملف PDF في %1:
%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 موجود بالفعل.
هل تريد استبداله؟</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>CSS Style Editor</source>
        <translation>محرر أنماط CSS</translation>
    </message>
    <message>
        <source>It is an OpenDocument file, which this window writes but cannot read back.
Documents saved as HTML open here again.</source>
        <translation>هذا ملف OpenDocument، تكتبه هذه النافذة لكنها لا تستطيع قراءته مجددًا.
المستندات المحفوظة بصيغة HTML تُفتح هنا من جديد.</translation>
    </message>
    <message>
        <source>It is not a text file: it holds a picture, an archive or other binary data.</source>
        <translation>ليس ملفًا نصيًا: يحتوي على صورة أو أرشيف أو بيانات ثنائية أخرى.</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;ODF files (*.odt);;All Files (*)</source>
        <translation>ملفات HTML (*.htm *.html);;ملفات ODF (*.odt);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>The style sheet %1 could not be opened:
%2</source>
        <translation>تعذر فتح ورقة الأنماط %1:
%2</translation>
    </message>
    <message>
        <source>The style sheet could not be saved as %1:
%2</source>
        <translation>تعذر حفظ ورقة الأنماط باسم %1:
%2</translation>
    </message>
    <message>
        <source>Style Sheet</source>
        <translation>ورقة الأنماط</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>ملف(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>فتح(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;إظهار المعلومات</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>تطبيق(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>حفظ باسم(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>حول(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;إعادة تعيين</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>العمليات</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>محرر أنماط CSS</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EditorPanel</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>عريض</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>تسطير</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>مائل</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>محاذاة إلى اليسار</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>توسيط</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>محاذاة إلى اليمين</translation>
    </message>
    <message>
        <source>Align Justify</source>
        <translation>ضبط</translation>
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
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>فتح...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>حفظ باسم...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>طباعة...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>معاينة الطباعة...</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>إنشاء PDF</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PlainTextSave</name>
    <message>
        <source>%1 is written in %2, which cannot hold some of the characters of the document.
Do you want to save it in UTF-8 instead?</source>
        <translation>الملف %1 مكتوب بترميز %2 الذي لا يمكنه حفظ بعض أحرف المستند.
هل تريد حفظه بترميز UTF-8 بدلاً من ذلك؟</translation>
    </message>
</context>
</TS>
