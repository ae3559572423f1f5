<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CalculatorPictures</name>
    <message>
        <source>it is not a picture variable</source>
        <translation>ce n&apos;est pas une variable image</translation>
    </message>
</context>
<context>
    <name>FileSession</name>
    <message>
        <source>Current image not saved. Save it or clear it.</source>
        <translation>Image actuelle non enregistrée. Enregistrez-la ou effacez-la.</translation>
    </message>
    <message>
        <source>The picture has four grey levels; a picture file holds one black-and-white picture. Save As writes it as a group of two pictures or as two picture files.</source>
        <translation>L&apos;image a quatre niveaux de gris&#xa0;; un fichier image contient une seule image en noir et blanc. «&#xa0;Enregistrer sous&#xa0;» l&apos;écrit comme un groupe de deux images ou comme deux fichiers image.</translation>
    </message>
    <message>
        <source>Can&apos;t open %1<byte value="xd"/>%2</source>
        <translation>Impossible d&apos;ouvrir %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>ERROR in Saving!<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>ERREUR à l&apos;enregistrement&#xa0;!<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Disk write error<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>Erreur d&apos;écriture sur le disque<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Not a valid filename!</source>
        <translation>Nom de fichier non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Oops! The filename must have a &apos;89i&apos; extension.</source>
        <translation>Oups&#xa0;! Le nom de fichier doit avoir l&apos;extension &apos;89i&apos;.</translation>
    </message>
    <message>
        <source>Drag/Drop Error</source>
        <translation>Erreur de glisser-déposer</translation>
    </message>
    <message>
        <source>Can&apos;t write the bitmap %1<byte value="xd"/>%2</source>
        <translation>Impossible d&apos;écrire le bitmap %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <translation>Rien à enregistrer.</translation>
    </message>
    <message>
        <source>Nuttin&apos; to print.</source>
        <translation>Rien à imprimer.</translation>
    </message>
    <message>
        <source>Group of two pictures (89g)|*.89g|Bitmap (*.bmp)|*.bmp|Two picture files (89i)|*.89i|TI-92 Plus group (9xg)|*.9xg|Voyage 200 group (v2g)|*.v2g|TI-92 group (92g)|*.92g</source>
        <translation>Groupe de deux images (89g)|*.89g|Bitmap (*.bmp)|*.bmp|Deux fichiers image (89i)|*.89i|Groupe TI-92 Plus (9xg)|*.9xg|Groupe Voyage 200 (v2g)|*.v2g|Groupe TI-92 (92g)|*.92g</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two picture variables</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 was put back as it was.</source>
        <translation>%1 a été remis tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>%1 holds the light plane; %2 was not written.</source>
        <translation>%1 contient le plan clair&#xa0;; %2 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>%1 were not added to %2.</source>
        <translation>%1 n&apos;ont pas été ajoutées à %2.</translation>
    </message>
    <message>
        <source>%1 was not added to %2.</source>
        <translation>%1 n&apos;a pas été ajoutée à %2.</translation>
    </message>
</context>
<context>
    <name>LinkLauncher</name>
    <message>
        <source>The file you selected is not WLINK89.EXE.
<byte value="xd"/> Action ignored.</source>
        <translation>Le fichier choisi n&apos;est pas WLINK89.EXE.
<byte value="xd"/> Action ignorée.</translation>
    </message>
    <message>
        <source>Didn&apos;t find Wlink89.exe!</source>
        <translation>Wlink89.exe introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Where is Wlink89.exe?</source>
        <translation>Où se trouve Wlink89.exe&#xa0;?</translation>
    </message>
    <message>
        <source>*89.EXE files|*89.exe</source>
        <translation>Fichiers *89.EXE|*89.exe</translation>
    </message>
</context>
<context>
    <name>LinkPreferences</name>
    <message>
        <source>the calculator</source>
        <translation>la calculatrice</translation>
    </message>
    <message>
        <source>the TI-89</source>
        <translation>la TI-89</translation>
    </message>
    <message>
        <source>the TI-89 Titanium</source>
        <translation>la TI-89 Titanium</translation>
    </message>
    <message>
        <source>the TI-92</source>
        <translation>la TI-92</translation>
    </message>
    <message>
        <source>the TI-92 Plus</source>
        <translation>la TI-92 Plus</translation>
    </message>
    <message>
        <source>the Voyage 200</source>
        <translation>la Voyage 200</translation>
    </message>
</context>
<context>
    <name>PageSetupDialog</name>
    <message>
        <source>DOTLARK Page Setup</source>
        <translation>Mise en page DOTLARK</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Marge haute&#xa0;:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Marge gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Image Width:</source>
        <translation>Largeur d&apos;image&#xa0;:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier&#xa0;:</translation>
    </message>
    <message>
        <source>Info (filename, folder, var)</source>
        <translation>Infos (fichier, dossier, var)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>File: %1  </source>
        <translation>Fichier&#xa0;: %1  </translation>
    </message>
    <message>
        <source>Folder: %1  Var: %2</source>
        <translation>Dossier&#xa0;: %1  Var&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PrintToPdf</name>
    <message>
        <source>no display to draw the page with</source>
        <translation>aucun affichage pour dessiner la page</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>The recovery folder cannot be locked.</source>
        <translation>Le dossier de récupération ne peut pas être verrouillé.</translation>
    </message>
</context>
<context>
    <name>TiGroup</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: %1.</source>
        <translation>Le TIGroup ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the checksum of %1 disagrees with its data</source>
        <translation>la somme de contrôle de %1 ne correspond pas à ses données</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked.</source>
        <translation>Le membre %1 du TIGroup ne peut pas être décompressé.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 is no calculator variable: %2</source>
        <translation>Le membre %1 du TIGroup n&apos;est pas une variable de calculatrice&#xa0;: %2</translation>
    </message>
    <message>
        <source>The TIGroup cannot be made: %1.</source>
        <translation>Le TIGroup ne peut pas être créé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Calculator groups (89g, 92g, 9xg, v2g, tig)|*.89g;*.92g;*.9xg;*.v2g;*.tig</source>
        <translation>Groupes de calculatrice (89g, 92g, 9xg, v2g, tig)|*.89g;*.92g;*.9xg;*.v2g;*.tig</translation>
    </message>
</context>
</TS>
