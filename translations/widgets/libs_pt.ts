<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ZEDireroz::ComboProgress</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CommunityButton</name>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::DirView</name>
    <message>
        <source>Dir View</source>
        <translation>Vista de pastas</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::IconView</name>
    <message>
        <source>&amp;Open In Separate View</source>
        <translation>&amp;Abrir numa vista separada</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MenuButton</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ResolutionSetupWidget</name>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SearchFilter</name>
    <message>
        <source>Search Filter</source>
        <translation>Filtro de pesquisa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Pesquisar:</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::VirtualResolutionDialog</name>
    <message>
        <source>Virtual Resolution Mode</source>
        <translation>Modo de resolução virtual</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normal</translation>
    </message>
    <message>
        <source>Virtual Resolution</source>
        <translation>Resolução virtual</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Tamanho da janela</translation>
    </message>
    <message>
        <source>OpenGL Acceleration</source>
        <translation>Aceleração OpenGL</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
</context>
</TS>
