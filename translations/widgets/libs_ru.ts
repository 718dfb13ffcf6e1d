<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ZEDireroz::ComboProgress</name>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::CommunityButton</name>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::DirView</name>
    <message>
        <source>Dir View</source>
        <translation>Папки</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::IconView</name>
    <message>
        <source>&amp;Open In Separate View</source>
        <translation>&amp;Открыть в отдельном окне</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::MenuButton</name>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::ResolutionSetupWidget</name>
    <message>
        <source>Low</source>
        <translation>Низкое</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокое</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::SearchFilter</name>
    <message>
        <source>Search Filter</source>
        <translation>Фильтр поиска</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Поиск:</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::VirtualResolutionDialog</name>
    <message>
        <source>Virtual Resolution Mode</source>
        <translation>Режим виртуального разрешения</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Обычный режим</translation>
    </message>
    <message>
        <source>Virtual Resolution</source>
        <translation>Виртуальное разрешение</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Размер окна</translation>
    </message>
    <message>
        <source>OpenGL Acceleration</source>
        <translation>Ускорение OpenGL</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
</context>
</TS>
