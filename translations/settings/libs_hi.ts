<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – सेटिंग्स</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ठीक है</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;लागू करें</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;रद्द करें</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>सेटिंग्स सहेजें</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>सेटिंग्स लोड करें</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>सेटिंग्स सहेजें</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>सेटिंग्स %1 में सहेजी नहीं जा सकीं: %2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>सेटिंग्स लोड करें</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>सेटिंग्स %1 से लोड नहीं की जा सकीं: %2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>सेटिंग्स %1 से लोड नहीं की जा सकीं: %2 (पंक्ति %3)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;अपडेट खोजे जा रहे हैं&lt;BR&gt;कृपया प्रतीक्षा करें ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>अपडेट सर्वर ने त्रुटि के साथ उत्तर दिया (%1)।
क्या अपडेट वेब पेज पर जाना चाहेंगे?</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>अपडेट सर्वर ने समय पर उत्तर नहीं दिया।
क्या अपडेट वेब पेज पर जाना चाहेंगे?</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>कोई इंटरनेट कनेक्शन उपलब्ध नहीं है।
क्या अपडेट वेब पेज पर जाना चाहेंगे?</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>अपडेट की जानकारी पढ़ी नहीं जा सकी।
क्या अपडेट वेब पेज पर जाना चाहेंगे?</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>%1 का नया संस्करण उपलब्ध है।
क्या अपडेट वेब पेज पर जाना चाहेंगे?</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;आप उपलब्ध नवीनतम संस्करण का उपयोग कर रहे हैं।&lt;BR&gt;क्या अपडेट वेब पेज पर जाना चाहेंगे?&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – अपडेट सूचना</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>शुरू होने पर अपडेट जाँचें</translation>
    </message>
</context>
</TS>
