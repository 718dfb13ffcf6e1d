<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>No queda espacio libre en el dispositivo.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>La cuota de disco está agotada.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permiso denegado.</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>El sistema de archivos es de solo lectura.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>El nombre pertenece a una carpeta.</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>Una parte de la ruta no es una carpeta.</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>El archivo es demasiado grande para el sistema de archivos.</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>El dispositivo informó de un error de entrada o salida.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>El nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>El archivo ocupa %1, más de los %2 que se pueden abrir aquí.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
</context>
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
