<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>Não há mais espaço livre no dispositivo.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>A cota de disco se esgotou.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permissão negada.</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>O sistema de arquivos é somente leitura.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>A pasta não existe.</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>O nome pertence a uma pasta.</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>Uma parte do caminho não é uma pasta.</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>O arquivo é grande demais para o sistema de arquivos.</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>O dispositivo informou um erro de entrada ou saída.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>O nome é longo demais.</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>O arquivo tem %1, mais do que os %2 que podem ser abertos aqui.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Não foi possível ler o arquivo.</translation>
    </message>
</context>
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
