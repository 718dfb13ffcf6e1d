<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
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
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>El Carnero</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>El Toro</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>Los Gemelos</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>El Cangrejo</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>El León</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>La Doncella</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>La Balanza</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>El Escorpión</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>El Arquero</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>La Cabra Marina</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>El Aguador</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>Los Peces</translation>
    </message>
</context>
</TS>
