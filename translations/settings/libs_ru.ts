<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ZEDireroz::SettingsDialog</name>
    <message>
        <source> Settings</source>
        <translation> – настройки</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Save the Settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Load the Settings</source>
        <translation>Загрузить настройки</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Сохранение настроек</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Не удалось сохранить настройки в %1: %2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Загрузка настроек</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2</source>
        <translation>Не удалось загрузить настройки из %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be loaded from %1: %2 (line %3)</source>
        <translation>Не удалось загрузить настройки из %1: %2 (строка %3)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::Updater</name>
    <message>
        <source>&lt;H1&gt;&lt;CENTER&gt;Searching for the updates&lt;BR&gt;Please, wait ...&lt;/CENTER&gt;&lt;/H1&gt;</source>
        <translation>&lt;H1&gt;&lt;CENTER&gt;Поиск обновлений&lt;BR&gt;Пожалуйста, подождите ...&lt;/CENTER&gt;&lt;/H1&gt;</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1).
Try to go to the update web page?</source>
        <translation>Сервер обновлений ответил ошибкой (%1).
Перейти на страницу обновлений?</translation>
    </message>
    <message>
        <source>The update server did not answer in time.
Try to go to the update web page?</source>
        <translation>Сервер обновлений не ответил вовремя.
Перейти на страницу обновлений?</translation>
    </message>
    <message>
        <source>No internet connection is available.
Try to go to the update web page?</source>
        <translation>Нет подключения к Интернету.
Перейти на страницу обновлений?</translation>
    </message>
    <message>
        <source>The update information could not be read.
Try to go to the update web page?</source>
        <translation>Не удалось прочитать сведения об обновлениях.
Перейти на страницу обновлений?</translation>
    </message>
    <message>
        <source>The newer version of %1 is available.
Go to the updates web page?</source>
        <translation>Доступна новая версия %1.
Перейти на страницу обновлений?</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;You are using the latest version available.&lt;BR&gt;Go to the updates web page?&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;Вы используете последнюю доступную версию.&lt;BR&gt;Перейти на страницу обновлений?&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>ZEDireroz::UpdaterDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – уведомление об обновлениях</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Проверять обновления при запуске</translation>
    </message>
</context>
</TS>
