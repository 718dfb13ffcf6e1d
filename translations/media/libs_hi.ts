<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>यह फ़ाइल नहीं चलाई जा सकती: यह मौजूद नहीं है, पढ़ी नहीं जा सकती या ध्वनि फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>क्रमांक</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>किसी सर्वर से कनेक्ट नहीं है।</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>एक अन्य FTP कमांड अभी चल रहा है।</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>होस्ट %1 नहीं मिला।</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>%1 से कनेक्शन अस्वीकार कर दिया गया।</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>सर्वर से कनेक्शन टूट गया।</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>सर्वर ने समय पर उत्तर नहीं दिया।</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>सर्वर ने लॉगिन अस्वीकार कर दिया: %1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>सर्वर ने कमांड अस्वीकार कर दिया: %1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>स्थानांतरण विफल रहा: %1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>स्थानीय फ़ाइल पढ़ी या लिखी नहीं जा सकी: %1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>यह नाम या डिवाइस FTP के लिए उपयोग नहीं किया जा सकता।</translation>
    </message>
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>FTP आदेश रद्द कर दिया गया।</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>सर्वर ने क्लाइंट की सीमा से अधिक भेजा: %1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>आदेश में %1 ms से अधिक समय लगा</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>%1 बाइट से बड़ा उत्तर</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>%1 बाइट से बड़ी सूची</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>%2 में से %1 बाइट पहुँचे</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>%1 ms में कोई पूरा उत्तर नहीं</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpGuiClient</name>
    <message>
        <source>FTP client</source>
        <translation>FTP क्लाइंट</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;लॉगिन</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;जाएँ</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>ताज़ा</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>ताज़ा करें</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>संशोधित</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>परीक्षण</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>%1 को वर्तमान फ़ोल्डर में सहेजें</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>होस्ट:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>उपयोगकर्ता:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>पासवर्ड:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>पथ:</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>सर्वर का होस्ट नाम दर्ज करें; यदि पोर्ट 21 नहीं है तो उसके बाद &quot;:&quot; और पोर्ट लिखें।</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>%1 पर लॉगिन हो गया।</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>%1 सहेजा गया।</translation>
    </message>
</context>
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>रिकॉर्डिंग सेटिंग्स मान्य नहीं हैं: %1 Hz, %2 चैनल।</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>AAC को 0 से अधिक बिट दर चाहिए, %1 नहीं।</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>रिकॉर्डिंग के लिए कोई फ़ाइल नाम नहीं दिया गया।</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>कोई ध्वनि इनपुट नहीं मिला: ध्वनि सर्वर नहीं चल रहा है या उसमें कोई इनपुट नहीं है।</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>ध्वनि इनपुट %1, %3 चैनलों के साथ %2 Hz स्वीकार नहीं करता।</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>ध्वनि इनपुट %1 खोला नहीं जा सका।</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>रिकॉर्डिंग पूरी नहीं की जा सकी: %1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>रिकॉर्डिंग लिखी नहीं जा सकी: %1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>रिकॉर्डिंग के दौरान ध्वनि इनपुट रुक गया।</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>फ़ाइल फ़ॉर्मैट %2 चैनलों के साथ %1 Hz स्वीकार नहीं करता।</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>फ़ाइल %1 लिखी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>रिकॉर्डिंग सेटिंग्स में कोई ज्ञात एन्कोडिंग नहीं है।</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>लीनियर PCM .wav, .aif, .aiff या .caf फ़ाइलों में रिकॉर्ड होता है, %1 में नहीं।</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>AAC .m4a, .mp4, .aac या .caf फ़ाइलों में रिकॉर्ड होता है, %1 में नहीं।</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>AAC एन्कोडर उपलब्ध नहीं है।</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>AAC एन्कोडर %2 चैनलों के साथ %1 Hz को %3 बिट प्रति सेकंड पर स्वीकार नहीं करता।</translation>
    </message>
</context>
</TS>
