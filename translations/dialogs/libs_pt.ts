<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Contrato de licença</translation>
    </message>
    <message>
        <source>&amp;Agree</source>
        <translation>&amp;Aceito</translation>
    </message>
    <message>
        <source>&amp;Disagree</source>
        <translation>&amp;Não aceito</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interromper</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Sim para todos</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>Não para todos</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoScreenShotWidget</name>
    <message>
        <source>No!</source>
        <translation>Não!</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::TopWidget</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
</context>
</TS>
