<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
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
</TS>
