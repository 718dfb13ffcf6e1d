<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QMRequest::FtpClient</name>
    <message>
        <source>Not connected to a server.</source>
        <translation>Нет соединения с сервером.</translation>
    </message>
    <message>
        <source>Another FTP command is still running.</source>
        <translation>Ещё выполняется другая команда FTP.</translation>
    </message>
    <message>
        <source>The host %1 was not found.</source>
        <translation>Узел %1 не найден.</translation>
    </message>
    <message>
        <source>The connection to %1 was refused.</source>
        <translation>%1 отклонил соединение.</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Соединение с сервером потеряно.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Сервер не ответил вовремя.</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>Сервер отклонил вход: %1</translation>
    </message>
    <message>
        <source>The server refused the command: %1</source>
        <translation>Сервер отклонил команду: %1</translation>
    </message>
    <message>
        <source>The transfer failed: %1</source>
        <translation>Передача не удалась: %1</translation>
    </message>
    <message>
        <source>The local file could not be read or written: %1</source>
        <translation>Не удалось прочитать или записать локальный файл: %1</translation>
    </message>
    <message>
        <source>The name or device cannot be used for FTP.</source>
        <translation>Это имя или устройство нельзя использовать для FTP.</translation>
    </message>
</context>
<context>
    <name>QMRequest::FtpGuiClient</name>
    <message>
        <source>FTP client</source>
        <translation>FTP-клиент</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Войти</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Перейти</translation>
    </message>
    <message>
        <source>Rfr</source>
        <translation>Обн.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>LastModified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>Store %1 in the current folder</source>
        <translation>Сохранить %1 в текущей папке</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Узел:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Путь:</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name, followed by &quot;:&quot; and the port where it is not 21.</source>
        <translation>Введите имя узла сервера, а если порт не 21 — двоеточие «:» и порт.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <translation>Выполнен вход на %1.</translation>
    </message>
    <message>
        <source>Stored %1.</source>
        <translation>%1 сохранён.</translation>
    </message>
</context>
</TS>
