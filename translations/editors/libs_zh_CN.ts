<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>TextEdit</name>
    <message>
        <source>File Actions</source>
        <translation>文件操作</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>打印预览...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>导出 PDF(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Edit Actions</source>
        <translation>编辑操作</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Format Actions</source>
        <translation>格式操作</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>格式(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>加粗(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>下划线(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>左对齐(&amp;L)</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>居中(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>右对齐(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>两端对齐(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>颜色(&amp;C)...</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>富文本</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Rich Text edits one formatted document and saves it as OpenDocument text, HTML or plain text, or exports it as PDF.</source>
        <translation>富文本编辑一个带格式的文档，可将其保存为 OpenDocument 文本、HTML 或纯文本，或导出为 PDF。</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>文档已被修改。
是否保存更改？</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>打开文件...</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;All Files (*)</source>
        <translation>HTML 文件 (*.htm *.html);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be opened:
%2</source>
        <translation>无法打开文件 %1：
%2</translation>
    </message>
    <message>
        <source>%1 cannot be saved in this format.
Choose a name ending in .odt, .html or .txt.</source>
        <translation>无法以此格式保存 %1。
请选择以 .odt、.html 或 .txt 结尾的名称。</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>无法转换文档。</translation>
    </message>
    <message>
        <source>The document could not be saved as %1:
%2</source>
        <translation>无法将文档保存为 %1：
%2</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>打印文档</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>无法打印文档。</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1:
%2</source>
        <translation>无法将 PDF 写入 %1：
%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS 样式编辑器</translation>
    </message>
    <message>
        <source>It is an OpenDocument file, which this window writes but cannot read back.
Documents saved as HTML open here again.</source>
        <translation>这是一个 OpenDocument 文件，此窗口可以写入但无法读回。
保存为 HTML 的文档可以在这里再次打开。</translation>
    </message>
    <message>
        <source>It is not a text file: it holds a picture, an archive or other binary data.</source>
        <translation>这不是文本文件：其中是图片、压缩包或其他二进制数据。</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;ODF files (*.odt);;All Files (*)</source>
        <translation>HTML 文件 (*.htm *.html);;ODF 文件 (*.odt);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>The style sheet %1 could not be opened:
%2</source>
        <translation>无法打开样式表 %1：
%2</translation>
    </message>
    <message>
        <source>The style sheet could not be saved as %1:
%2</source>
        <translation>无法将样式表保存为 %1：
%2</translation>
    </message>
    <message>
        <source>Style Sheet</source>
        <translation>样式表</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>显示信息(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>另存为(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS 样式编辑器</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EditorPanel</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>加粗</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>Align Justify</source>
        <translation>两端对齐</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>打印预览...</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>创建 PDF</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PlainTextSave</name>
    <message>
        <source>%1 is written in %2, which cannot hold some of the characters of the document.
Do you want to save it in UTF-8 instead?</source>
        <translation>%1 使用 %2 编码，无法保存文档中的某些字符。
是否改用 UTF-8 保存？</translation>
    </message>
</context>
</TS>
