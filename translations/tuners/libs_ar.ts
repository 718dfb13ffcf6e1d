<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>RADarir::BassGuitarTuner</name>
    <message>
        <source>5 Strings</source>
        <translation>5 أوتار</translation>
    </message>
    <message>
        <source>4 Strings</source>
        <translation>4 أوتار</translation>
    </message>
</context>
<context>
    <name>RADarir::ModesPanel</name>
    <message>
        <source>Modes</source>
        <translation>أوضاع</translation>
    </message>
    <message>
        <source>More</source>
        <translation>مزيد</translation>
    </message>
    <message>
        <source>Must Have</source>
        <translation>لا غنى عنه</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>من الجميل امتلاكه</translation>
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
    <name>RADarir::TunerBasePage</name>
    <message>
        <source>The sound %1 is missing from the program&apos;s files.</source>
        <translation>الصوت %1 غير موجود في ملفات البرنامج.</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersCommonPanel</name>
    <message>
        <source>Pitch</source>
        <translation>طبقة الصوت</translation>
    </message>
    <message>
        <source>Repeat the Sounds</source>
        <translation>كرر الأصوات</translation>
    </message>
    <message>
        <source>App</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>A4:415Hz (Baroque Pitch)</source>
        <translation>A4:415Hz (طبقة الباروك)</translation>
    </message>
    <message>
        <source>A4:430Hz (Scintific Pitch)</source>
        <translation>A4:430Hz (الطبقة العلمية)</translation>
    </message>
    <message>
        <source>A4:435Hz (France1859 Pitch)</source>
        <translation>A4:435Hz (طبقة فرنسا 1859)</translation>
    </message>
    <message>
        <source>A4:439Hz (New Philarmonic Pitch)</source>
        <translation>A4:439Hz (الطبقة الفيلهارمونية الجديدة)</translation>
    </message>
    <message>
        <source>A4:440Hz (Concert Pitch)</source>
        <translation>A4:440Hz (طبقة الحفلات)</translation>
    </message>
    <message>
        <source>A4:442Hz (Boston Symphony Orchestra Pitch)</source>
        <translation>A4:442Hz (طبقة أوركسترا بوسطن السيمفونية)</translation>
    </message>
    <message>
        <source>A4:443Hz (New Berliner Philharmonic Pitch)</source>
        <translation>A4:443Hz (طبقة فيلهارمونية برلين الجديدة)</translation>
    </message>
    <message>
        <source>A4:445Hz (Old Berliner Philharmonic Pitch)</source>
        <translation>A4:445Hz (طبقة فيلهارمونية برلين القديمة)</translation>
    </message>
    <message>
        <source>A4:452Hz (Old Philarmonic Pitch)</source>
        <translation>A4:452Hz (الطبقة الفيلهارمونية القديمة)</translation>
    </message>
    <message>
        <source>A4:460Hz (Renaissance Pitch)</source>
        <translation>A4:460Hz (طبقة عصر النهضة)</translation>
    </message>
    <message>
        <source>Rate this App</source>
        <translation>قيّم هذا التطبيق</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>مشاركة</translation>
    </message>
    <message>
        <source>More Apps</source>
        <translation>تطبيقات أخرى</translation>
    </message>
    <message>
        <source>Contacts Us</source>
        <translation>اتصل بنا</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>صفحة الدعم</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>RADarir::TunersExplorer</name>
    <message>
        <source>Guitar</source>
        <translation>غيتار</translation>
    </message>
    <message>
        <source>BassGuitar</source>
        <translation>غيتار باص</translation>
    </message>
    <message>
        <source>Ukulele</source>
        <translation>يوكوليلي</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>بانجو</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>كمان</translation>
    </message>
    <message>
        <source>Viola</source>
        <translation>فيولا</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>تشيلو</translation>
    </message>
    <message>
        <source>DoubleBass</source>
        <translation>كونترباص</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>ماندولين</translation>
    </message>
    <message>
        <source>Balalaika</source>
        <translation>بالالايكا</translation>
    </message>
    <message>
        <source>Dombra</source>
        <translation>دومبرا</translation>
    </message>
    <message>
        <source>Harmonaut</source>
        <translation>Harmonaut</translation>
    </message>
</context>
</TS>
