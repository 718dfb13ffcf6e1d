<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ZEDireroz::ImageNoteEditor</name>
    <message>
        <source>Drag this into a mail, a chat or a cloud folder</source>
        <translation>Перетащите это в письмо, чат или облачную папку</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>Маркер</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Заполненный прямоугольник</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Овал</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Размытие</translation>
    </message>
    <message>
        <source>Filled Oval</source>
        <translation>Заполненный овал</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Стрелка</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
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
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>MoreApps</source>
        <translation>Другие приложения</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Do you want to save the current changes to the file?</source>
        <translation>Сохранить текущие изменения в файл?</translation>
    </message>
    <message>
        <source>The changes of the current image are not saved.
After creation of the new screen shot these changes will be lost.
Continue?</source>
        <translation>Изменения текущего изображения не сохранены.
После нового снимка экрана они будут потеряны.
Продолжить?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ImageNoteWorkArea</name>
    <message>
        <source>Save Picture</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>Не удалось закодировать изображение.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.
%2</source>
        <translation>Не удалось сохранить изображение как «%1».
%2</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditDragPreview</name>
    <message>
        <source>Drag</source>
        <translation>Тащить</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::NoteEditWidget</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Уменьшить</translation>
    </message>
</context>
</TS>
