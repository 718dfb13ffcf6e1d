<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QMMultiMedia::PlayListModel</name>
    <message>
        <source>This file cannot be played: it is missing, unreadable or not a sound file.</source>
        <translation>Этот файл нельзя воспроизвести: он отсутствует, не читается или не является звуковым файлом.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
</context>
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
    <message>
        <source>The FTP command was cancelled.</source>
        <translation>Команда FTP отменена.</translation>
    </message>
    <message>
        <source>The server sent more than the client takes: %1</source>
        <translation>Сервер прислал больше, чем принимает клиент: %1</translation>
    </message>
    <message>
        <source>the command took longer than %1 ms</source>
        <translation>команда выполнялась дольше %1 мс</translation>
    </message>
    <message>
        <source>a reply of more than %1 bytes</source>
        <translation>ответ длиннее %1 байт</translation>
    </message>
    <message>
        <source>a listing of more than %1 bytes</source>
        <translation>список длиннее %1 байт</translation>
    </message>
    <message>
        <source>%1 of %2 bytes arrived</source>
        <translation>получено %1 из %2 байт</translation>
    </message>
    <message>
        <source>no complete reply within %1 ms</source>
        <translation>нет полного ответа в течение %1 мс</translation>
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
<context>
    <name>TickwrenAudio::AudioRecorder</name>
    <message>
        <source>The recording settings are not valid: %1 Hz, %2 channels.</source>
        <translation>Недопустимые параметры записи: %1 Гц, каналов: %2.</translation>
    </message>
    <message>
        <source>AAC needs a bit rate above 0, not %1.</source>
        <translation>Для AAC нужен битрейт больше 0, а не %1.</translation>
    </message>
    <message>
        <source>No file name was given for the recording.</source>
        <translation>Не задано имя файла для записи.</translation>
    </message>
    <message>
        <source>No sound input was found: the sound server is not running or has no input.</source>
        <translation>Звуковой вход не найден: звуковой сервер не запущен или не имеет входа.</translation>
    </message>
    <message>
        <source>The sound input %1 does not take %2 Hz with %3 channels.</source>
        <translation>Звуковой вход %1 не поддерживает %2 Гц с числом каналов %3.</translation>
    </message>
    <message>
        <source>The sound input %1 could not be opened.</source>
        <translation>Не удалось открыть звуковой вход %1.</translation>
    </message>
    <message>
        <source>The recording could not be completed: %1</source>
        <translation>Не удалось завершить запись: %1</translation>
    </message>
    <message>
        <source>The recording could not be written: %1</source>
        <translation>Не удалось записать запись в файл: %1</translation>
    </message>
    <message>
        <source>The sound input stopped during the recording.</source>
        <translation>Звуковой вход прекратил работу во время записи.</translation>
    </message>
    <message>
        <source>The file format does not take %1 Hz with %2 channels.</source>
        <translation>Формат файла не поддерживает %1 Гц с числом каналов %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Не удалось записать файл %1: %2</translation>
    </message>
    <message>
        <source>The recording settings name no known encoding.</source>
        <translation>В параметрах записи не указана известная кодировка.</translation>
    </message>
    <message>
        <source>Linear PCM is recorded into .wav, .aif, .aiff or .caf files, not into %1.</source>
        <translation>Линейный PCM записывается в файлы .wav, .aif, .aiff или .caf, но не в %1.</translation>
    </message>
    <message>
        <source>AAC is recorded into .m4a, .mp4, .aac or .caf files, not into %1.</source>
        <translation>AAC записывается в файлы .m4a, .mp4, .aac или .caf, но не в %1.</translation>
    </message>
    <message>
        <source>The AAC encoder is not available.</source>
        <translation>Кодировщик AAC недоступен.</translation>
    </message>
    <message>
        <source>The AAC encoder does not take %1 Hz with %2 channels at %3 bits per second.</source>
        <translation>Кодировщик AAC не поддерживает %1 Гц с числом каналов %2 при %3 бит/с.</translation>
    </message>
</context>
</TS>
