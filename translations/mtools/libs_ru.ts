<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>На устройстве не осталось свободного места.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>Дисковая квота исчерпана.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Доступ запрещён.</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>Файловая система доступна только для чтения.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Папка не существует.</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>Это имя принадлежит папке.</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>Часть пути не является папкой.</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>Файл слишком велик для этой файловой системы.</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>Устройство сообщило об ошибке ввода-вывода.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Имя слишком длинное.</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>Размер файла %1, это больше, чем %2, которые можно здесь открыть.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Не удалось прочитать файл.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>Баран</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>Бык</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>Рыбы</translation>
    </message>
</context>
</TS>
