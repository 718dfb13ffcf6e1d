<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ZEDireroz::InputDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::LicenseDialog</name>
    <message>
        <source>License Agreement</source>
        <translation>Contratto di licenza</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>&amp;Accetto</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>&amp;Non accetto</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MessageBox</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Sì a tutti</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>No a tutti</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoScreenShotWidget</name>
    <message>
        <source>No!</source>
        <translation>No!</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TopWidget</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
</context>
</TS>
