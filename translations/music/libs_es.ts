<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>RADarir::BaseMainPage</name>
    <message>
        <source>Must Have</source>
        <translation>Imprescindible</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Bueno tenerlo</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>Wikipedia</translation>
    </message>
</context>
<context>
    <name>RADarir::FavoritesDeleteDlg</name>
    <message>
        <source>Delete the chords</source>
        <translation>Eliminar los acordes</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>Añadir acorde</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Sonido sí</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponer</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>Quitar el acorde seleccionado</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sonido no</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Eliminar…</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>Guardar favorito</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>Nombre del favorito:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>No se puede crear un favorito sin nombre</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>¿Quitar el favorito:
 «</translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation>»?</translation>
    </message>
</context>
</TS>
