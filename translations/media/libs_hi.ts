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
</TS>
