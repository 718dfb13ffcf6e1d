<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>RADarir::BaseMainPage</name>
    <message>
        <source>Must Have</source>
        <translation>ज़रूरी</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>अच्छा हो तो</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>पढ़ें</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>सुनें</translation>
    </message>
    <message>
        <source>See</source>
        <translation>देखें</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>विकिपीडिया</translation>
    </message>
</context>
<context>
    <name>RADarir::FavoritesDeleteDlg</name>
    <message>
        <source>Delete the chords</source>
        <translation>कॉर्ड हटाएँ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;रद्द करें</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;हटाएँ</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>कॉर्ड जोड़ें</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>पसंदीदा</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>ध्वनि चालू</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>स्वर बदलें</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>चुना हुआ कॉर्ड हटाएँ</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>ध्वनि बंद</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;नया</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;सहेजें…</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;हटाएँ…</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>पसंदीदा सहेजें</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>पसंदीदा का नाम:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>चेतावनी</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>बिना नाम के पसंदीदा नहीं बनाया जा सकता</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>पसंदीदा हटाएँ:
 &quot;</translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation>&quot;?</translation>
    </message>
</context>
</TS>
