<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>RADarir::BaseMainPage</name>
    <message>
        <source>Must Have</source>
        <translation>Indispensable</translation>
    </message>
    <message>
        <source>Nice to Have</source>
        <translation>Bon à avoir</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Voir</translation>
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
        <translation>Supprimer les accords</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>RADarir::Transposer</name>
    <message>
        <source>Add chord</source>
        <translation>Ajouter un accord</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transposer</translation>
    </message>
    <message>
        <source>Remove selected chord</source>
        <translation>Retirer l’accord sélectionné</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>Enregistrer le favori</translation>
    </message>
    <message>
        <source>Favorite&apos;s Name:</source>
        <translation>Nom du favori :</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Can not create the favorite without name</source>
        <translation>Impossible de créer un favori sans nom</translation>
    </message>
    <message>
        <source>Remove the favorite:
 &quot;</source>
        <translation>Retirer le favori :
 « </translation>
    </message>
    <message>
        <source>&quot;?</source>
        <translation> » ?</translation>
    </message>
</context>
</TS>
