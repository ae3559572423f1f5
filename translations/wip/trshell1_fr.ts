<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About DOTLARK</source>
        <translation>À propos de DOTLARK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>by the DOTLARK developers</source>
        <translation>par l&apos;équipe de DOTLARK</translation>
    </message>
    <message>
        <source>The DOTLARK Project</source>
        <translation>Le projet DOTLARK</translation>
    </message>
    <message>
        <source>November &apos;98</source>
        <translation>Novembre 98</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 2 or later</source>
        <translation>Logiciel libre sous GNU GPL, version 2 ou ultérieure</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>ExitDialog</name>
    <message>
        <source>Unsaved picture!</source>
        <translation>Image non enregistrée !</translation>
    </message>
    <message>
        <source>Picture NOT saved as 89i. Press either button...</source>
        <translation>Image NON enregistrée en 89i. Choisissez...</translation>
    </message>
    <message>
        <source>  Quit Anyway</source>
        <translation>  Quitter malgré tout</translation>
    </message>
    <message>
        <source>Continue   Working</source>
        <translation>Continuer   le travail</translation>
    </message>
</context>
<context>
    <name>GreyPalette</name>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Use this program to view, edit, create, and save TI-89 Image files. </source>
        <translation>Utilisez ce programme pour afficher, modifier, créer et enregistrer des fichiers d&apos;image TI-89. </translation>
    </message>
    <message>
        <source>The image can be printed or downloaded to a TI-89 computer using Texas Instruments&apos; Graph-Link cable and software.</source>
        <translation>L&apos;image peut être imprimée ou transférée vers une calculatrice TI-89 avec le câble et le logiciel Graph-Link de Texas Instruments.</translation>
    </message>
    <message>
        <source>On the picture box, use the left mouse button to draw and the right mouse button to pop up the drawing tools menu.</source>
        <translation>Sur l&apos;image, dessinez avec le bouton gauche de la souris ; le bouton droit ouvre le menu des outils de dessin.</translation>
    </message>
    <message>
        <source>Use the File menu to make a New image (specifying the dimensions), Open, Save, and Print images. In &apos;Save As...&apos; you can also save the image as a BMP. </source>
        <translation>Le menu Fichier crée une image (Nouveau, en indiquant les dimensions), ouvre (Ouvrir), enregistre (Enregistrer) et imprime (Imprimer) les images. Dans « Enregistrer sous... », vous pouvez aussi enregistrer l&apos;image en BMP. </translation>
    </message>
    <message>
        <source>You can import b/w BMP, ICO, RLE, WMF, GIF (v87a), and JPG files.</source>
        <translation>Vous pouvez importer des fichiers BMP, ICO, RLE, WMF, GIF (v87a) et JPG en noir et blanc.</translation>
    </message>
    <message>
        <source>Use the Draw menu to Clear the image and choose a tool. You cannot save a cleared image.  You must clear or save an edited image before opening another. </source>
        <translation>Le menu Dessin efface l&apos;image (ClrDraw) et choisit un outil. Une image effacée ne peut pas être enregistrée.  Vous devez effacer ou enregistrer une image modifiée avant d&apos;en ouvrir une autre. </translation>
    </message>
    <message>
        <source>The 89 Folder and Var Name can be different from the DOS filename, but use caution. The 89 Names must comply with TI-89 standards. </source>
        <translation>Le dossier et le nom de variable sur la 89 peuvent différer du nom du fichier DOS, mais soyez prudent. Les noms de la 89 doivent respecter les règles de la TI-89. </translation>
    </message>
    <message>
        <source>The comment is saved in the computer file only, not the BMP file or in the calculator.</source>
        <translation>Le commentaire n&apos;est enregistré que dans le fichier de l&apos;ordinateur, ni dans le fichier BMP ni dans la calculatrice.</translation>
    </message>
    <message>
        <source>DOTLARK Brief Instructions</source>
        <translation>Instructions succinctes de DOTLARK</translation>
    </message>
    <message>
        <source>TI-89 and TI Graph-Link are registered trademarks of Texas Instruments, Inc. </source>
        <translation>TI-89 et TI Graph-Link sont des marques déposées de Texas Instruments, Inc. </translation>
    </message>
    <message>
        <source>DOTLARK is written by the DOTLARK developers.</source>
        <translation>DOTLARK est écrit par les développeurs de DOTLARK.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Pic Var Name:</source>
        <translation>Nom de variable :</translation>
    </message>
    <message>
        <source>in the calculator</source>
        <translation>dans la calculatrice</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <source>saved in PC file only.</source>
        <translation>enregistré uniquement dans le fichier du PC.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Runs or switches to Wlink89.exe</source>
        <translation>Lance Wlink89.exe ou passe à sa fenêtre</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Tool and zoom</source>
        <translation>Outil et zoom</translation>
    </message>
    <message>
        <source>Grey level</source>
        <translation>Niveau de gris</translation>
    </message>
    <message>
        <source>the clipboard&apos;s picture</source>
        <translation>l&apos;image du presse-papiers</translation>
    </message>
    <message>
        <source>TI-89 DOTLARK Save As...</source>
        <translation>TI-89 DOTLARK Enregistrer sous...</translation>
    </message>
    <message>
        <source>Readable Files (89i)</source>
        <translation>Fichiers lisibles (89i)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Image bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>TI-89 DOTLARK: Open File</source>
        <translation>TI-89 DOTLARK : ouvrir un fichier</translation>
    </message>
    <message>
        <source>Readable Images (89i)</source>
        <translation>Images lisibles (89i)</translation>
    </message>
    <message>
        <source>Calculator pictures (89i, 9xi, v2i, 92i)</source>
        <translation>Images de calculatrice (89i, 9xi, v2i, 92i)</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was opened. Replace it with this picture?</source>
        <translation>%1 a été modifié sur le disque depuis son ouverture. Le remplacer par cette image ?</translation>
    </message>
    <message>
        <source>Invalid Filename: Use *.89i</source>
        <translation>Nom de fichier non valide : utilisez *.89i</translation>
    </message>
    <message>
        <source>Filename ERROR!</source>
        <translation>ERREUR de nom de fichier !</translation>
    </message>
    <message>
        <source>Light plane:</source>
        <translation>Plan clair :</translation>
    </message>
    <message>
        <source>Dark plane:</source>
        <translation>Plan foncé :</translation>
    </message>
    <message>
        <source>The light and dark planes need two different names.</source>
        <translation>Les plans clair et foncé doivent porter deux noms différents.</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>%1 existe déjà.<byte value="xd"/>Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Recover the unsaved picture of %1 from %2?</source>
        <translation>Récupérer l&apos;image non enregistrée de « %1 » du %2 ?</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read.<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>La copie de récupération %1 ne peut pas être lue.<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>It could not be set aside.</source>
        <translation>Elle n&apos;a pas pu être mise de côté.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>Elle a été mise de côté sous le nom %1.</translation>
    </message>
</context>
<context>
    <name>NewPictureDialog</name>
    <message>
        <source>DOTLARK: New picture dialog</source>
        <translation>DOTLARK : nouvelle image</translation>
    </message>
    <message>
        <source>Enter the dimensions below. The width must be between 1 and 160. The height must be between 1and 77.</source>
        <translation>Entrez les dimensions. La largeur va de 1 à 160, la hauteur de 1 à 77.</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;4 grey levels</source>
        <translation>&amp;4 niveaux de gris</translation>
    </message>
    <message>
        <source>white, light grey, dark grey and black, in two planes</source>
        <translation>blanc, gris clair, gris foncé et noir, sur deux plans</translation>
    </message>
    <message>
        <source>Error in dimensions. resetting to 160x77.</source>
        <translation>Erreur dans les dimensions. Retour à 160x77.</translation>
    </message>
</context>
<context>
    <name>PrivateCopy</name>
    <message>
        <source>The picture has four grey levels; a picture file holds one black-and-white picture. Send to Calculator sends both planes.</source>
        <translation>L&apos;image a quatre niveaux de gris ; un fichier d&apos;image ne contient qu&apos;une image en noir et blanc. « Envoyer à la calculatrice » envoie les deux plans.</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>DOTLARK User Guide</source>
        <translation>Guide de l&apos;utilisateur de DOTLARK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
</context>
</TS>
