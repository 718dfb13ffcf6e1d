<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>TextEdit</name>
    <message>
        <source>File Actions</source>
        <translation>Ações de arquivo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Visualizar impressão...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Edit Actions</source>
        <translation>Ações de edição</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Format Actions</source>
        <translation>Ações de formatação</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormatar</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sublinhado</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À &amp;esquerda</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>&amp;Centralizado</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;direita</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>&amp;Justificado</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>Texto formatado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Rich Text edits one formatted document and saves it as OpenDocument text, HTML or plain text, or exports it as PDF.</source>
        <translation>Texto formatado edita um documento formatado e o salva como texto OpenDocument, HTML ou texto simples, ou o exporta como PDF.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>O documento foi modificado.
Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Abrir arquivo...</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;All Files (*)</source>
        <translation>Arquivos HTML (*.htm *.html);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be opened:
%2</source>
        <translation>Não foi possível abrir o arquivo %1:
%2</translation>
    </message>
    <message>
        <source>%1 cannot be saved in this format.
Choose a name ending in .odt, .html or .txt.</source>
        <translation>%1 não pode ser salvo neste formato.
Escolha um nome terminado em .odt, .html ou .txt.</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>Não foi possível converter o documento.</translation>
    </message>
    <message>
        <source>The document could not be saved as %1:
%2</source>
        <translation>Não foi possível salvar o documento como %1:
%2</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>Imprimir documento</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Não foi possível imprimir o documento.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1:
%2</source>
        <translation>Não foi possível gravar o PDF em %1:
%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>CSS Style Editor</source>
        <translation>Editor de estilos CSS</translation>
    </message>
    <message>
        <source>It is an OpenDocument file, which this window writes but cannot read back.
Documents saved as HTML open here again.</source>
        <translation>É um arquivo OpenDocument, que esta janela grava mas não consegue ler de volta.
Documentos salvos como HTML abrem aqui novamente.</translation>
    </message>
    <message>
        <source>It is not a text file: it holds a picture, an archive or other binary data.</source>
        <translation>Não é um arquivo de texto: contém uma imagem, um arquivo compactado ou outros dados binários.</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;ODF files (*.odt);;All Files (*)</source>
        <translation>Arquivos HTML (*.htm *.html);;Arquivos ODF (*.odt);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>The style sheet %1 could not be opened:
%2</source>
        <translation>Não foi possível abrir a folha de estilo %1:
%2</translation>
    </message>
    <message>
        <source>The style sheet could not be saved as %1:
%2</source>
        <translation>Não foi possível salvar a folha de estilo como %1:
%2</translation>
    </message>
    <message>
        <source>Style Sheet</source>
        <translation>Folha de estilo</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Mostrar informações</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operações</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>Editor de estilos CSS</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EditorPanel</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Alinhar à esquerda</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Centralizar</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Alinhar à direita</translation>
    </message>
    <message>
        <source>Align Justify</source>
        <translation>Justificar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Visualizar impressão...</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Criar PDF</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PlainTextSave</name>
    <message>
        <source>%1 is written in %2, which cannot hold some of the characters of the document.
Do you want to save it in UTF-8 instead?</source>
        <translation>%1 está escrito em %2, que não comporta alguns caracteres do documento.
Deseja salvá-lo em UTF-8?</translation>
    </message>
</context>
</TS>
