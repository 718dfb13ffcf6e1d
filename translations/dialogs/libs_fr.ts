<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>J&apos;&amp;accepte</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>Je &amp;refuse</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Oui pour tout</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>Non pour tout</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoScreenShotWidget</name>
    <message>
        <source>No!</source>
        <translation>Non !</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TopWidget</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
</context>
</TS>
