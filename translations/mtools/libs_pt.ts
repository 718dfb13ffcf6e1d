<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>O Carneiro</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>O Touro</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>Os Gêmeos</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>O Caranguejo</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>O Leão</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>A Donzela</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>A Balança</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>O Escorpião</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>O Arqueiro</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>A Cabra-Marinha</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>O Aguadeiro</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>Os Peixes</translation>
    </message>
</context>
</TS>
