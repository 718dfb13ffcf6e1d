<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
