<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>RADarir::BaseMainPage</name>
    <message>
        <source>Must Have</source>
        <translation>Essencial</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Bom de ter</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>Wikipédia</translation>
    </message>
</context>
<context>
    <name>RADarir::FavoritesDeleteDlg</name>
    <message>
        <source>Delete the chords</source>
        <translation>Apagar os acordes</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Apagar</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>Adicionar acorde</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Com som</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transpor</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>Remover o acorde selecionado</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Apagar…</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>Guardar favorito</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>Nome do favorito:</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>Não é possível criar um favorito sem nome</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>Remover o favorito:
 «</translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation>»?</translation>
    </message>
</context>
</TS>
