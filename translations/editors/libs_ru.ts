<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>TextEdit</name>
    <message>
        <source>File Actions</source>
        <translation>Действия с файлом</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новый</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Предварительный просмотр...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Экспорт в PDF...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Edit Actions</source>
        <translation>Действия правки</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Вставить</translation>
    </message>
    <message>
        <source>Format Actions</source>
        <translation>Действия форматирования</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>Ф&amp;ормат</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Полужирный</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Курсив</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>П&amp;одчёркнутый</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>По &amp;левому краю</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>По &amp;центру</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>По &amp;правому краю</translation>
    </message>
    <message>
        <source>&amp;Justify</source>
        <translation>По &amp;ширине</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Цвет...</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Rich Text</source>
        <translation>Форматированный текст</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Rich Text edits one formatted document and saves it as OpenDocument text, HTML or plain text, or exports it as PDF.</source>
        <translation>Форматированный текст редактирует один форматированный документ и сохраняет его как текст OpenDocument, HTML или простой текст либо экспортирует в PDF.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>Документ был изменён.
Сохранить изменения?</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Открыть файл...</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;All Files (*)</source>
        <translation>Файлы HTML (*.htm *.html);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be opened:
%2</source>
        <translation>Не удалось открыть файл %1:
%2</translation>
    </message>
    <message>
        <source>%1 cannot be saved in this format.
Choose a name ending in .odt, .html or .txt.</source>
        <translation>%1 нельзя сохранить в этом формате.
Выберите имя с окончанием .odt, .html или .txt.</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>The document could not be converted.</source>
        <translation>Не удалось преобразовать документ.</translation>
    </message>
    <message>
        <source>The document could not be saved as %1:
%2</source>
        <translation>Не удалось сохранить документ как %1:
%2</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>Печать документа</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Не удалось напечатать документ.</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1:
%2</source>
        <translation>Не удалось записать PDF в %1:
%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить этот файл?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>CSS Style Editor</source>
        <translation>Редактор стилей CSS</translation>
    </message>
    <message>
        <source>It is an OpenDocument file, which this window writes but cannot read back.
Documents saved as HTML open here again.</source>
        <translation>Это файл OpenDocument: это окно умеет записывать такие файлы, но не читать их.
Документы, сохранённые в HTML, снова открываются здесь.</translation>
    </message>
    <message>
        <source>It is not a text file: it holds a picture, an archive or other binary data.</source>
        <translation>Это не текстовый файл: в нём изображение, архив или другие двоичные данные.</translation>
    </message>
    <message>
        <source>HTML-Files (*.htm *.html);;ODF files (*.odt);;All Files (*)</source>
        <translation>Файлы HTML (*.htm *.html);;Файлы ODF (*.odt);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssDoc</name>
    <message>
        <source>The style sheet %1 could not be opened:
%2</source>
        <translation>Не удалось открыть таблицу стилей %1:
%2</translation>
    </message>
    <message>
        <source>The style sheet could not be saved as %1:
%2</source>
        <translation>Не удалось сохранить таблицу стилей как %1:
%2</translation>
    </message>
    <message>
        <source>Style Sheet</source>
        <translation>Таблица стилей</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Подсказки</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>Редактор стилей CSS</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::EditorPanel</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Полужирный</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>По левому краю</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>По правому краю</translation>
    </message>
    <message>
        <source>Align Justify</source>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Предварительный просмотр...</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Создать PDF</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::PlainTextSave</name>
    <message>
        <source>%1 is written in %2, which cannot hold some of the characters of the document.
Do you want to save it in UTF-8 instead?</source>
        <translation>Файл %1 записан в кодировке %2, в которой нельзя сохранить некоторые символы документа.
Сохранить его в UTF-8?</translation>
    </message>
</context>
</TS>
