<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MTools::WholeFile</name>
    <message>
        <source>There is no space left on the device.</source>
        <translation>Auf dem Datenträger ist kein Platz mehr frei.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>Das Speicherkontingent ist aufgebraucht.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The file system is read-only.</source>
        <translation>Das Dateisystem ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>Der Name gehört zu einem Ordner.</translation>
    </message>
    <message>
        <source>A part of the path is not a folder.</source>
        <translation>Ein Teil des Pfades ist kein Ordner.</translation>
    </message>
    <message>
        <source>The file is too large for the file system.</source>
        <translation>Die Datei ist zu groß für das Dateisystem.</translation>
    </message>
    <message>
        <source>The device reported an input or output error.</source>
        <translation>Das Gerät hat einen Ein- oder Ausgabefehler gemeldet.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>The file is %1, more than the %2 that can be opened here.</source>
        <translation>Die Datei ist %1 groß, mehr als die %2, die hier geöffnet werden können.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>Der Widder</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>Der Stier</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>Die Zwillinge</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>Der Krebs</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>Der Löwe</translation>
    </message>
    <message>
        <source>The Maiden</source>
        <translation>Die Jungfrau</translation>
    </message>
    <message>
        <source>The Scales</source>
        <translation>Die Waage</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>Der Skorpion</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>Der Schütze</translation>
    </message>
    <message>
        <source>The Sea-Goat</source>
        <translation>Der Steinbock</translation>
    </message>
    <message>
        <source>The Water-Bearer</source>
        <translation>Der Wassermann</translation>
    </message>
    <message>
        <source>The Fishes</source>
        <translation>Die Fische</translation>
    </message>
</context>
</TS>
