<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>RADarir::BaseMainPage</name>
    <message>
        <source>Must Have</source>
        <translation>Самое нужное</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Приятные мелочи</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Читать</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Смотреть</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>Википедия</translation>
    </message>
</context>
<context>
    <name>RADarir::FavoritesDeleteDlg</name>
    <message>
        <source>Delete the chords</source>
        <translation>Удалить аккорды</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>Добавить аккорд</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Любимые</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Со звуком</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Транспоз.</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>Удалить выбранный аккорд</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новый</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить…</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Удалить…</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>Сохранить в избранное</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>Нельзя создать избранное без названия</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>Удалить из избранного:
 «</translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation>»?</translation>
    </message>
</context>
</TS>
