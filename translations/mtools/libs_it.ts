<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>L'Ariete</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>Il Toro</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>I Gemelli</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>Il Granchio</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>Il Leone</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>La Vergine</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>La Bilancia</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>Lo Scorpione</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>L'Arciere</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>La Capra Marina</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>Il Portatore d'Acqua</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>I Pesci</translation>
    </message>
</context>
</TS>
