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
    <name>CalcCharset</name>
    <message>
        <source>The comment was stored with &quot;?&quot; in place of %1, which the calculator&apos;s characters do not include.</source>
        <translation>Le commentaire a été enregistré avec «&#xa0;?&#xa0;» à la place de %1, que les caractères de la calculatrice ne comprennent pas.</translation>
    </message>
</context>
<context>
    <name>CalculatorCommands</name>
    <message>
        <source>This editor has no calculator link.</source>
        <translation>Cet éditeur n&apos;a pas de liaison avec la calculatrice.</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.</source>
        <translation>%1 n&apos;a pas été envoyé à la calculatrice.</translation>
    </message>
    <message>
        <source>The calculator already holds %1. Replace it with this picture?</source>
        <translation>La calculatrice contient déjà %1. Le remplacer par cette image&#xa0;?</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator: its copy for the link cannot be written.<byte value="xd"/>%2</source>
        <translation>%1 n&apos;a pas été envoyé à la calculatrice&#xa0;: sa copie pour la liaison ne peut pas être écrite.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1 was sent to %2.</source>
        <translation>%1 a été envoyé à %2.</translation>
    </message>
    <message>
        <source>%1 and %2 were not sent to the calculator.</source>
        <translation>%1 et %2 n&apos;ont pas été envoyés à la calculatrice.</translation>
    </message>
    <message>
        <source>%1 was sent to the calculator, %2 was not.</source>
        <translation>%1 a été envoyé à la calculatrice, %2 ne l&apos;a pas été.</translation>
    </message>
    <message>
        <source>%1 Its copy for the link cannot be written.<byte value="xd"/>%2</source>
        <translation>%1 Sa copie pour la liaison ne peut pas être écrite.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1 and %2 were sent to %3.</source>
        <translation>%1 et %2 ont été envoyés à %3.</translation>
    </message>
    <message>
        <source>The picture has not been saved. Replace it with a picture from the calculator?</source>
        <translation>L&apos;image n&apos;a pas été enregistrée. La remplacer par une image de la calculatrice&#xa0;?</translation>
    </message>
    <message>
        <source>No picture was received from the calculator.</source>
        <translation>Aucune image n&apos;a été reçue de la calculatrice.</translation>
    </message>
    <message>
        <source>The calculator holds no pictures.</source>
        <translation>La calculatrice ne contient aucune image.</translation>
    </message>
    <message>
        <source>%1 is not a picture: it cannot be opened.</source>
        <translation>%1 n&apos;est pas une image&#xa0;: impossible de l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>%1 was not received from the calculator.</source>
        <translation>%1 n&apos;a pas été reçu de la calculatrice.</translation>
    </message>
    <message>
        <source>TI-89 DOTLARK: Receive into Group</source>
        <translation>TI-89 DOTLARK&#xa0;: Recevoir dans un groupe</translation>
    </message>
    <message>
        <source>No group was written: %1 was not received from the calculator.</source>
        <translation>Aucun groupe n&apos;a été écrit&#xa0;: %1 n&apos;a pas été reçu de la calculatrice.</translation>
    </message>
    <message>
        <source>No group was written.</source>
        <translation>Aucun groupe n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 pictures were received into %2.</source>
        <translation>%1 images ont été reçues dans %2.</translation>
    </message>
    <message>
        <source>The picture has not been saved. Replace it with the calculator&apos;s screen?</source>
        <translation>L&apos;image n&apos;a pas été enregistrée. La remplacer par l&apos;écran de la calculatrice&#xa0;?</translation>
    </message>
    <message>
        <source>The calculator&apos;s screen was not captured.</source>
        <translation>L&apos;écran de la calculatrice n&apos;a pas été capturé.</translation>
    </message>
    <message>
        <source>The calculator&apos;s list of variables cannot be trusted (%1), so DOTLARK cannot tell whether it holds %2. Send anyway?</source>
        <translation>La liste des variables de la calculatrice n&apos;est pas fiable (%1)&#xa0;: DOTLARK ne peut pas savoir si elle contient %2. Envoyer quand même&#xa0;?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
</context>
<context>
    <name>CalculatorPictures</name>
    <message>
        <source>it is not a picture variable</source>
        <translation>ce n&apos;est pas une variable image</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>this command has no option %1</source>
        <translation>cette commande n&apos;a pas d&apos;option %1</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 donné deux fois</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>calculator folder name (default &quot;main&quot;)</source>
        <translation>nom du dossier de la calculatrice (par défaut «&#xa0;main&#xa0;»)</translation>
    </message>
    <message>
        <source>picture variable name (default &quot;picture&quot;)</source>
        <translation>nom de la variable image (par défaut «&#xa0;picture&#xa0;»)</translation>
    </message>
    <message>
        <source>comment stored in the file (default &quot;made with DOTLARK&quot;)</source>
        <translation>commentaire enregistré dans le fichier (par défaut «&#xa0;made with DOTLARK&#xa0;»)</translation>
    </message>
    <message>
        <source>size of the picture made (default 160x77)</source>
        <translation>taille de l&apos;image créée (par défaut 160x77)</translation>
    </message>
    <message>
        <source>dither (Floyd-Steinberg or Atkinson) instead of a threshold</source>
        <translation>tramer (Floyd-Steinberg ou Atkinson) au lieu d&apos;un seuil</translation>
    </message>
    <message>
        <source>0..256: black where the brightness is below N (default 128, mid grey)</source>
        <translation>0..256&#xa0;: noir là où la luminosité est sous N (par défaut 128, gris moyen)</translation>
    </message>
    <message>
        <source>swap black and white inside the picture</source>
        <translation>échanger le noir et le blanc dans l&apos;image</translation>
    </message>
    <message>
        <source>2 (black and white) or 4 grey levels: in a group NAMEl and NAMEd, else OUTl.89i and OUTd.89i</source>
        <translation>2 (noir et blanc) ou 4 niveaux de gris&#xa0;: dans un groupe NAMEl et NAMEd, sinon OUTl.89i et OUTd.89i</translation>
    </message>
    <message>
        <source>-100..100, added to each colour channel (default 0)</source>
        <translation>-100..100, ajouté à chaque canal de couleur (par défaut 0)</translation>
    </message>
    <message>
        <source>-100..100, channels spread about mid grey (default 0)</source>
        <translation>-100..100, canaux écartés autour du gris moyen (par défaut 0)</translation>
    </message>
    <message>
        <source>Extracts a picture variable of a group file (.89g, .92g, .9xg, .v2g, a backup, or a
TIGroup .tig) as OUT: a calculator picture or an image (.png, .bmp, .pbm) by OUT&apos;s
ending. --var may be left out when the group holds one picture. A --var naming a
light/dark pair (NAMEl and NAMEd, one size) by NAME writes a PNG or BMP image of its
four grey levels: RGB 255, 213, 156 and 0, the light the calculator shows on average.</source>
        <translation>Extrait une variable image d&apos;un fichier de groupe (.89g, .92g, .9xg, .v2g, une sauvegarde
ou un TIGroup .tig) dans OUT&#xa0;: une image de calculatrice ou une image (.png, .bmp, .pbm)
selon l&apos;extension de OUT. --var peut être omis quand le groupe contient une seule image.
Un --var qui désigne une paire claire/foncée (NAMEl et NAMEd, de même taille) par NAME
écrit une image PNG ou BMP de ses quatre niveaux de gris&#xa0;: RVB 255, 213, 156 et 0, la
lumière que la calculatrice montre en moyenne.</translation>
    </message>
    <message>
        <source>the picture variable to extract (FOLDER\ may be left out: main)</source>
        <translation>la variable image à extraire (FOLDER\ peut être omis&#xa0;: main)</translation>
    </message>
    <message>
        <source>Writes the picture 1:1 as an image: black pixels black, white pixels white.
A .pbm file is plain PBM (P1) with 1 = black. The picture operations apply in the
order --canvas, --flip, --rotate, --invert; --scale then draws each pixel as a square.</source>
        <translation>Écrit l&apos;image à l&apos;échelle 1:1 dans un fichier image&#xa0;: pixels noirs en noir, blancs en blanc.
Un fichier .pbm est du PBM simple (P1) avec 1 = noir. Les opérations sur l&apos;image
s&apos;appliquent dans l&apos;ordre --canvas, --flip, --rotate, --invert&#xa0;; --scale dessine ensuite
chaque pixel comme un carré.</translation>
    </message>
    <message>
        <source>Turns a picture file into a .89i picture of the same size: a pixel becomes black
exactly when red + 256*green + 65536*blue is below 8421504 (mid grey); transparent
parts count as white.</source>
        <translation>Transforme un fichier image en une image .89i de même taille&#xa0;: un pixel devient noir
exactement quand rouge + 256*vert + 65536*bleu est inférieur à 8421504 (gris moyen)&#xa0;;
les parties transparentes comptent comme blanches.</translation>
    </message>
    <message>
        <source>Imports a picture file onto a blank 160 x 77 picture exactly as File &gt; Import does:
centred where it is smaller, cut at the right and bottom where it is larger, black
by the same rule as above. The output is always 160 x 77.</source>
        <translation>Importe un fichier image sur une image vierge de 160 x 77 exactement comme Fichier &gt;
Importer&#xa0;: centré s&apos;il est plus petit, coupé à droite et en bas s&apos;il est plus grand,
noir selon la même règle que ci-dessus. Le résultat fait toujours 160 x 77.</translation>
    </message>
    <message>
        <source>place on the 160 x 77 graph screen</source>
        <translation>placer sur l&apos;écran graphique de 160 x 77</translation>
    </message>
    <message>
        <source>Scales a picture file onto a blank picture of --size as File &gt; Import Scaled... does:
the whole picture, aspect kept, centred (white where it does not reach). Scaling
averages the pixels covered, in linear light; then each pixel is black where its
brightness, as a grey 0..255, is below the threshold (greys as by the rule above at
128), or the picture is dithered. A large JPEG is decoded at 1/2, 1/4 or 1/8 only.
With --gray 4 and OUT a group (.89g, ...), four grey levels instead, as the calculator
shows them in linear light (white 1, light grey 2/3, dark grey 1/3, black 0), each
pixel the nearest level or dithered; the group holds the light and dark planes as
NAMEl and NAMEd. With --gray 4 and OUT.89i, the planes are written beside it as two
picture files, OUTl.89i and OUTd.89i (OUT.89i itself is not written); a file of
those names that is not a calculator picture is left alone and the import refused.</source>
        <translation>Met un fichier image à l&apos;échelle sur une image vierge de --size comme Fichier &gt; Importer
à l&apos;échelle...&#xa0;: l&apos;image entière, proportions gardées, centrée (blanc là où elle
n&apos;arrive pas). La mise à l&apos;échelle fait la moyenne des pixels couverts, en lumière
linéaire&#xa0;; puis chaque pixel est noir là où sa luminosité, en gris 0..255, est sous le
seuil (les gris comme par la règle ci-dessus à 128), ou l&apos;image est tramée. Un grand
JPEG n&apos;est décodé qu&apos;à 1/2, 1/4 ou 1/8. Avec --gray 4 et OUT un groupe (.89g, ...),
quatre niveaux de gris à la place, tels que la calculatrice les montre en lumière
linéaire (blanc 1, gris clair 2/3, gris foncé 1/3, noir 0), chaque pixel au niveau le
plus proche ou tramé&#xa0;; le groupe contient les plans clair et foncé sous NAMEl et NAMEd.
Avec --gray 4 et OUT.89i, les plans sont écrits à côté comme deux fichiers image,
OUTl.89i et OUTd.89i (OUT.89i lui-même n&apos;est pas écrit)&#xa0;; un fichier de ces noms qui
n&apos;est pas une image de calculatrice est laissé tel quel et l&apos;importation refusée.</translation>
    </message>
    <message>
        <source>fit the whole picture, aspect kept</source>
        <translation>ajuster l&apos;image entière, proportions gardées</translation>
    </message>
    <message>
        <source>As --fit, but the picture covers the whole target, aspect kept, centred; what sticks
out is cut.</source>
        <translation>Comme --fit, mais l&apos;image couvre toute la cible, proportions gardées, centrée&#xa0;; ce qui
dépasse est coupé.</translation>
    </message>
    <message>
        <source>cover the target, aspect kept, cut what sticks out</source>
        <translation>couvrir la cible, proportions gardées, couper ce qui dépasse</translation>
    </message>
    <message>
        <source>As --fit, but the whole picture is stretched onto the whole target.</source>
        <translation>Comme --fit, mais l&apos;image entière est étirée sur toute la cible.</translation>
    </message>
    <message>
        <source>stretch onto the whole target</source>
        <translation>étirer sur toute la cible</translation>
    </message>
    <message>
        <source>Reads the file and writes it again with correct lengths and checksum;
the options replace the texts read, and change the picture as for an image.
Everywhere, .89i stands for any calculator picture: .89i (TI-89), .9xi (TI-92 Plus),
.v2i (Voyage 200) or .92i (TI-92); an output&apos;s ending picks the calculator.</source>
        <translation>Lit le fichier et l&apos;écrit de nouveau avec des longueurs et une somme de contrôle correctes&#xa0;;
les options remplacent les textes lus et modifient l&apos;image comme pour un fichier image.
Partout, .89i désigne toute image de calculatrice&#xa0;: .89i (TI-89), .9xi (TI-92 Plus),
.v2i (Voyage 200) ou .92i (TI-92)&#xa0;; l&apos;extension d&apos;une sortie choisit la calculatrice.</translation>
    </message>
    <message>
        <source>Writes C source for GCC4TI or TIGCC programs: the picture (one plane) or a group&apos;s
light/dark pair (NAMEl and NAMEd, one size: four grey levels) as arrays, one per plane,
a row per unsigned char, short or long (8, 16 or 32 pixels, the leftmost in the top
bit; a narrower picture padded with white on the right, a wider one refused) or, with
x8, rows of bytes for SpriteX8. The arrays are named after the variable; a comment
gives the size and how to draw them. A .h file&apos;s arrays are static.</source>
        <translation>Écrit du source C pour des programmes GCC4TI ou TIGCC&#xa0;: l&apos;image (un plan) ou la paire
claire/foncée d&apos;un groupe (NAMEl et NAMEd, de même taille&#xa0;: quatre niveaux de gris) en
tableaux, un par plan, une ligne par unsigned char, short ou long (8, 16 ou 32 pixels, le
plus à gauche dans le bit de poids fort&#xa0;; une image plus étroite complétée de blanc à
droite, une plus large refusée) ou, avec x8, des lignes d&apos;octets pour SpriteX8. Les
tableaux portent le nom de la variable&#xa0;; un commentaire donne la taille et la façon de
les dessiner. Les tableaux d&apos;un fichier .h sont static.</translation>
    </message>
    <message>
        <source>Shows folder, variable name, comment, width, height and calculator, and whether signature,
type byte, length fields, tag byte and checksum agree with what DOTLARK writes. Control
characters in the texts are shown as escapes (\r, \n, \a, \xHH), a backslash doubled.</source>
        <translation>Affiche le dossier, le nom de variable, le commentaire, la largeur, la hauteur et la
calculatrice, et si la signature, l&apos;octet de type, les champs de longueur, l&apos;octet de
balise et la somme de contrôle s&apos;accordent avec ce qu&apos;écrit DOTLARK. Les caractères de
contrôle des textes sont montrés échappés (\r, \n, \a, \xHH), une barre oblique inverse
doublée.</translation>
    </message>
    <message>
        <source>describe the file</source>
        <translation>décrire le fichier</translation>
    </message>
    <message>
        <source>Prints the picture as File &gt; Print does, onto one Letter-size PDF page whose
drawing area is the whole page: every black pixel a square, a heavy frame, and the
text lines asked for. Lengths are plain numbers of inches; values that would leave
a pixel wholly off the page are refused.</source>
        <translation>Imprime l&apos;image comme Fichier &gt; Imprimer, sur une page PDF au format Letter dont la
zone de dessin est la page entière&#xa0;: chaque pixel noir un carré, un cadre épais et les
lignes de texte demandées. Les longueurs sont de simples nombres de pouces&#xa0;; les valeurs
qui mettraient un pixel entièrement hors de la page sont refusées.</translation>
    </message>
    <message>
        <source>the PDF file to write</source>
        <translation>le fichier PDF à écrire</translation>
    </message>
    <message>
        <source>page top to the first pixel row (default 1, at least 0)</source>
        <translation>du haut de la page à la première ligne de pixels (par défaut 1, au moins 0)</translation>
    </message>
    <message>
        <source>page left to the first pixel column (default 1, at least 0)</source>
        <translation>du bord gauche à la première colonne de pixels (par défaut 1, au moins 0)</translation>
    </message>
    <message>
        <source>first pixel column to the last (default 4, at least 0.1)</source>
        <translation>de la première colonne de pixels à la dernière (par défaut 4, au moins 0.1)</translation>
    </message>
    <message>
        <source>print the line &quot;File: ...  Folder: ...  Var: ...&quot;</source>
        <translation>imprimer la ligne «&#xa0;Fichier&#xa0;: ...  Dossier&#xa0;: ...  Var&#xa0;: ...&#xa0;»</translation>
    </message>
    <message>
        <source>print the comment line</source>
        <translation>imprimer la ligne du commentaire</translation>
    </message>
    <message>
        <source>Sends the picture to the calculator as the variable the file names, or FOLDER\NAME
(FOLDER\ may be left out: main). The calculator is the picture&apos;s unless --calc names it.</source>
        <translation>Envoie l&apos;image à la calculatrice sous la variable que nomme le fichier, ou FOLDER\NAME
(FOLDER\ peut être omis&#xa0;: main). La calculatrice est celle de l&apos;image, sauf si --calc
en nomme une.</translation>
    </message>
    <message>
        <source>send the file to the calculator</source>
        <translation>envoyer le fichier à la calculatrice</translation>
    </message>
    <message>
        <source>the variable to send it as</source>
        <translation>la variable sous laquelle l&apos;envoyer</translation>
    </message>
    <message>
        <source>Lists the calculator&apos;s variables, one a line: folder\name, type and size in bytes,
separated by tabs.</source>
        <translation>Liste les variables de la calculatrice, une par ligne&#xa0;: dossier\nom, type et taille en
octets, séparés par des tabulations.</translation>
    </message>
    <message>
        <source>list the calculator&apos;s variables</source>
        <translation>lister les variables de la calculatrice</translation>
    </message>
    <message>
        <source>Receives the picture variable FOLDER\NAME and writes it as OUT: a calculator picture
(.89i, .9xi, .v2i, .92i) or an image (.png, .bmp, .pbm) by OUT&apos;s ending.</source>
        <translation>Reçoit la variable image FOLDER\NAME et l&apos;écrit dans OUT&#xa0;: une image de calculatrice
(.89i, .9xi, .v2i, .92i) ou une image (.png, .bmp, .pbm) selon l&apos;extension de OUT.</translation>
    </message>
    <message>
        <source>the picture variable to receive</source>
        <translation>la variable image à recevoir</translation>
    </message>
    <message>
        <source>Captures the calculator&apos;s screen as a picture: the part a TI-89 shows (160 x 100)
or, with --full, the whole LCD (240 x 128); OUT as for --receive.</source>
        <translation>Capture l&apos;écran de la calculatrice comme une image&#xa0;: la partie que montre une TI-89
(160 x 100) ou, avec --full, l&apos;écran LCD entier (240 x 128)&#xa0;; OUT comme pour --receive.</translation>
    </message>
    <message>
        <source>capture the screen</source>
        <translation>capturer l&apos;écran</translation>
    </message>
    <message>
        <source>the whole LCD</source>
        <translation>l&apos;écran LCD entier</translation>
    </message>
    <message>
        <source>With a file: lists the group&apos;s variables as --list does the calculator&apos;s.</source>
        <translation>Avec un fichier&#xa0;: liste les variables du groupe comme --list celles de la calculatrice.</translation>
    </message>
    <message>
        <source>list the group&apos;s variables</source>
        <translation>lister les variables du groupe</translation>
    </message>
    <message>
        <source>Adds the picture to the group file, as its own variable or --var, in place of a
variable of the same folder\name; every other variable stays as it was. A group
that is not there is made.</source>
        <translation>Ajoute l&apos;image au fichier de groupe, sous sa propre variable ou --var, à la place d&apos;une
variable de même dossier\nom&#xa0;; toutes les autres variables restent telles quelles. Un
groupe absent est créé.</translation>
    </message>
    <message>
        <source>add the picture to the group</source>
        <translation>ajouter l&apos;image au groupe</translation>
    </message>
    <message>
        <source>the variable to store it as</source>
        <translation>la variable sous laquelle la ranger</translation>
    </message>
    <message>
        <source>the group file to write</source>
        <translation>le fichier de groupe à écrire</translation>
    </message>
    <message>
        <source>usage: dotlark-convert %1</source>
        <translation>utilisation&#xa0;: dotlark-convert %1</translation>
    </message>
    <message>
        <source>the output must end in .89i, .9xi, .v2i, .92i, .png, .bmp or .pbm</source>
        <translation>la sortie doit se terminer par .89i, .9xi, .v2i, .92i, .png, .bmp ou .pbm</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>rien à faire</translation>
    </message>
    <message>
        <source>wrong number of files</source>
        <translation>mauvais nombre de fichiers</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <source>IMAGE is any picture file the editor imports: BMP (also run-length encoded, as .rle),
ICO, GIF, JPEG, PNG, WMF, or netpbm&apos;s PBM, PGM and PPM (plain or raw), recognised by
its content. The output type follows the output file&apos;s extension. Output files are
written whole or not at all, never over an input (under any name or link), and not
over a file that another program changed while the tool worked.
A lone - is a file named -; put -- before file names that begin with -.</source>
        <translation>IMAGE est tout fichier image que l&apos;éditeur importe&#xa0;: BMP (aussi compressé RLE, en .rle),
ICO, GIF, JPEG, PNG, WMF, ou les PBM, PGM et PPM de netpbm (simples ou bruts), reconnu
à son contenu. Le type de sortie suit l&apos;extension du fichier de sortie. Les fichiers de
sortie sont écrits en entier ou pas du tout, jamais par-dessus une entrée (sous aucun
nom ni lien), ni par-dessus un fichier qu&apos;un autre programme a modifié pendant que
l&apos;outil travaillait.
Un - seul est un fichier nommé -&#xa0;; mettez -- avant les noms de fichier qui commencent par -.</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 an input refused or unreadable, a picture that cannot be
printed, an output unwritable (the message names the file) or a file name that is
not valid UTF-8; 2 wrong usage
(including an option&apos;s value out of its range; the message names the option).</source>
        <translation>Code de sortie&#xa0;: 0 fait&#xa0;; 1 une entrée refusée ou illisible, une image qui ne peut pas
être imprimée, une sortie impossible à écrire (le message nomme le fichier) ou un nom
de fichier qui n&apos;est pas de l&apos;UTF-8 valide&#xa0;; 2 mauvaise utilisation
(y compris la valeur d&apos;une option hors de ses limites&#xa0;; le message nomme l&apos;option).</translation>
    </message>
    <message>
        <source>%1 do not go together</source>
        <translation>%1 ne vont pas ensemble</translation>
    </message>
    <message>
        <source>%1 does not go with this command</source>
        <translation>%1 ne va pas avec cette commande</translation>
    </message>
    <message>
        <source>is the same file as %1; an output never replaces its input</source>
        <translation>est le même fichier que %1&#xa0;; une sortie ne remplace jamais son entrée</translation>
    </message>
    <message>
        <source>the group holds no light/dark pair of pictures (two pictures of one size in one folder, named NAMEl and NAMEd)</source>
        <translation>le groupe ne contient aucune paire d&apos;images claire/foncée (deux images de même taille dans un dossier, nommées NAMEl et NAMEd)</translation>
    </message>
    <message>
        <source>the group holds %1 light/dark pairs: name one with --var FOLDER\NAME (the name without its l or d)</source>
        <translation>le groupe contient %1 paires claire/foncée&#xa0;: nommez-en une avec --var FOLDER\NAME (le nom sans son l ou d)</translation>
    </message>
    <message>
        <source>the group holds no light/dark pair %1l and %1d</source>
        <translation>le groupe ne contient pas de paire claire/foncée %1l et %1d</translation>
    </message>
    <message>
        <source>a light/dark pair is written as a PNG or BMP image of four grey levels</source>
        <translation>une paire claire/foncée est écrite comme une image PNG ou BMP à quatre niveaux de gris</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>is there and is not a calculator picture: the planes of four grey levels replace only picture files (the file is left as it is)</source>
        <translation>existe et n&apos;est pas une image de calculatrice&#xa0;: les plans de quatre niveaux de gris ne remplacent que des fichiers image (le fichier est laissé tel quel)</translation>
    </message>
    <message>
        <source>four grey levels were written as the light plane %1 and the dark plane %2</source>
        <translation>les quatre niveaux de gris ont été écrits comme plan clair %1 et plan foncé %2</translation>
    </message>
    <message>
        <source>the group holds no picture</source>
        <translation>le groupe ne contient aucune image</translation>
    </message>
    <message>
        <source>the group holds %1 pictures: name one with --var FOLDER\NAME (--list shows them)</source>
        <translation>le groupe contient %1 images&#xa0;: nommez-en une avec --var FOLDER\NAME (--list les montre)</translation>
    </message>
    <message>
        <source>the group holds no picture variable %1</source>
        <translation>le groupe ne contient pas de variable image %1</translation>
    </message>
    <message>
        <source>%1 replaces the variable %2</source>
        <translation>%1 remplace la variable %2</translation>
    </message>
    <message>
        <source>the group must end in %1</source>
        <translation>le groupe doit se terminer par %1</translation>
    </message>
    <message>
        <source>--group takes a file ending in %1</source>
        <translation>--group prend un fichier se terminant par %1</translation>
    </message>
    <message>
        <source>--cable takes %1</source>
        <translation>--cable prend %1</translation>
    </message>
    <message>
        <source>--calc takes %1</source>
        <translation>--calc prend %1</translation>
    </message>
    <message>
        <source>--port takes 1 to 4</source>
        <translation>--port prend 1 à 4</translation>
    </message>
    <message>
        <source>--timeout takes 1 to 600 seconds</source>
        <translation>--timeout prend 1 à 600 secondes</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 sur %2 octets</translation>
    </message>
    <message>
        <source>%1 (default: the editor&apos;s link settings, else auto: the USB cable found)</source>
        <translation>%1 (par défaut&#xa0;: les réglages de liaison de l&apos;éditeur, sinon auto&#xa0;: le câble USB trouvé)</translation>
    </message>
    <message>
        <source>the cable&apos;s port, 1-4 (default: the editor&apos;s, else 1; 2 with tiemu, the emulator&apos;s link)</source>
        <translation>le port du câble, 1-4 (par défaut&#xa0;: celui de l&apos;éditeur, sinon 1&#xa0;; 2 avec tiemu, la liaison de l&apos;émulateur)</translation>
    </message>
    <message>
        <source>%1 (default: the editor&apos;s, else the picture&apos;s calculator, else auto)</source>
        <translation>%1 (par défaut&#xa0;: celle de l&apos;éditeur, sinon la calculatrice de l&apos;image, sinon auto)</translation>
    </message>
    <message>
        <source>seconds the cable waits for each answer, 1-600 (default: the editor&apos;s, else 2)</source>
        <translation>secondes que le câble attend chaque réponse, 1-600 (par défaut&#xa0;: celles de l&apos;éditeur, sinon 2)</translation>
    </message>
    <message>
        <source>cannot be sent: no temporary file can be written</source>
        <translation>ne peut pas être envoyé&#xa0;: aucun fichier temporaire ne peut être écrit</translation>
    </message>
    <message>
        <source>sending %1 as %2...</source>
        <translation>envoi de %1 sous %2...</translation>
    </message>
    <message>
        <source>sent %1 as %2</source>
        <translation>%1 envoyé sous %2</translation>
    </message>
    <message>
        <source>reading the calculator&apos;s variables...</source>
        <translation>lecture des variables de la calculatrice...</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>calculatrice</translation>
    </message>
    <message>
        <source>receiving %1...</source>
        <translation>réception de %1...</translation>
    </message>
    <message>
        <source>received %1</source>
        <translation>%1 reçu</translation>
    </message>
    <message>
        <source>capturing the calculator&apos;s screen...</source>
        <translation>capture de l&apos;écran de la calculatrice...</translation>
    </message>
    <message>
        <source>captured the calculator&apos;s screen</source>
        <translation>écran de la calculatrice capturé</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters</source>
        <translation>%1 prend au plus %2 caractères</translation>
    </message>
    <message>
        <source>with an 8-character variable name the comment is not stored</source>
        <translation>avec un nom de variable de 8 caractères, le commentaire n&apos;est pas enregistré</translation>
    </message>
    <message>
        <source>cannot be read as a picture: %1</source>
        <translation>ne peut pas être lu comme une image&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is damaged: it ends before its picture does; the part that could be read is imported</source>
        <translation>%1 est endommagé&#xa0;: il se termine avant son image&#xa0;; la partie qui a pu être lue est importée</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 prend un nombre entier de %2 à %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>--dither takes fs or atkinson, not &quot;%1&quot;</source>
        <translation>--dither prend fs ou atkinson, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--gray takes 2 or 4, not &quot;%1&quot;</source>
        <translation>--gray prend 2 ou 4, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT of a picture the calculator can hold, not &quot;%1&quot;</source>
        <translation>--size prend LARGEURxHAUTEUR d&apos;une image que la calculatrice peut contenir, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a scaled import into a group takes --gray 4</source>
        <translation>une importation à l&apos;échelle dans un groupe demande --gray 4</translation>
    </message>
    <message>
        <source>agrees</source>
        <translation>correct</translation>
    </message>
    <message>
        <source>disagrees</source>
        <translation>incorrect</translation>
    </message>
    <message>
        <source>folder:</source>
        <translation>dossier&#xa0;:</translation>
    </message>
    <message>
        <source>name:</source>
        <translation>nom&#xa0;:</translation>
    </message>
    <message>
        <source>comment:</source>
        <translation>commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>width:</source>
        <translation>largeur&#xa0;:</translation>
    </message>
    <message>
        <source>height:</source>
        <translation>hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>calculator:</source>
        <translation>calculatrice&#xa0;:</translation>
    </message>
    <message>
        <source>signature:</source>
        <translation>signature&#xa0;:</translation>
    </message>
    <message>
        <source>type byte:</source>
        <translation>octet de type&#xa0;:</translation>
    </message>
    <message>
        <source>file length:</source>
        <translation>longueur du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>data length:</source>
        <translation>longueur des données&#xa0;:</translation>
    </message>
    <message>
        <source>tag byte:</source>
        <translation>octet de balise&#xa0;:</translation>
    </message>
    <message>
        <source>checksum:</source>
        <translation>somme de contrôle&#xa0;:</translation>
    </message>
    <message>
        <source>%1 takes %2, not &quot;%3&quot;</source>
        <translation>%1 prend %2, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT of a picture the calculator can hold, then +tl, +t, +tr, +l, +c, +r, +bl, +b or +br</source>
        <translation>LARGEURxHAUTEUR d&apos;une image que la calculatrice peut contenir, puis +tl, +t, +tr, +l, +c, +r, +bl, +b ou +br</translation>
    </message>
    <message>
        <source>canvas size; A where the picture stays: tl (default), t, tr, l, c, r, bl, b, br</source>
        <translation>taille du canevas&#xa0;; A là où l&apos;image reste&#xa0;: tl (par défaut), t, tr, l, c, r, bl, b, br</translation>
    </message>
    <message>
        <source>flip left to right (h) or top to bottom (v)</source>
        <translation>retourner de gauche à droite (h) ou de haut en bas (v)</translation>
    </message>
    <message>
        <source>rotate clockwise by so many degrees</source>
        <translation>faire pivoter d&apos;autant de degrés dans le sens horaire</translation>
    </message>
    <message>
        <source>swap black and white</source>
        <translation>échanger le noir et le blanc</translation>
    </message>
    <message>
        <source>1..16: each pixel a square of N x N (default 1)</source>
        <translation>1..16&#xa0;: chaque pixel un carré de N x N (par défaut 1)</translation>
    </message>
    <message>
        <source>h or v</source>
        <translation>h ou v</translation>
    </message>
    <message>
        <source>90, 180 or 270</source>
        <translation>90, 180 ou 270</translation>
    </message>
    <message>
        <source>a whole number from 1 to 16</source>
        <translation>un nombre entier de 1 à 16</translation>
    </message>
    <message>
        <source>%1 takes a number of inches, not &quot;%2&quot;</source>
        <translation>%1 prend un nombre de pouces, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 must be at least %2 inches, not %3</source>
        <translation>%1 doit valoir au moins %2 pouces, pas %3</translation>
    </message>
    <message>
        <source>more than %1 inches</source>
        <translation>plus de %1 pouces</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 pouces</translation>
    </message>
    <message>
        <source>--left %1 and --width %2 put the picture off the page: its last column would start %3 from the page&apos;s left edge, and the page is %4 wide</source>
        <translation>--left %1 et --width %2 mettent l&apos;image hors de la page&#xa0;: sa dernière colonne commencerait à %3 du bord gauche de la page, et la page fait %4 de large</translation>
    </message>
    <message>
        <source>--top %1 and --width %2 put the picture off the page: its last row would start %3 from the page&apos;s top edge, and the page is %4 tall</source>
        <translation>--top %1 et --width %2 mettent l&apos;image hors de la page&#xa0;: sa dernière ligne commencerait à %3 du haut de la page, et la page fait %4 de haut</translation>
    </message>
    <message>
        <source>the --print-pdf output must end in .pdf</source>
        <translation>la sortie de --print-pdf doit se terminer par .pdf</translation>
    </message>
    <message>
        <source>cannot be printed: a picture must be at least 2 pixels wide</source>
        <translation>ne peut pas être imprimé&#xa0;: une image doit faire au moins 2 pixels de large</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>ne peut pas être écrit</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>ne peut pas être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>--sprite takes 8, 16, 32 or x8, not &quot;%1&quot;</source>
        <translation>--sprite prend 8, 16, 32 ou x8, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--transparent takes white, light, dark or black, not &quot;%1&quot;</source>
        <translation>--transparent prend white, light, dark ou black, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>rows of 8, 16 or 32 pixels, or of bytes for SpriteX8</source>
        <translation>lignes de 8, 16 ou 32 pixels, ou d&apos;octets pour SpriteX8</translation>
    </message>
    <message>
        <source>white, light, dark or black: the level the mask leaves out (default white)</source>
        <translation>white, light, dark ou black&#xa0;: le niveau que le masque laisse de côté (par défaut white)</translation>
    </message>
    <message>
        <source>the group&apos;s pair NAMEl and NAMEd (FOLDER\ may be left out: main)</source>
        <translation>la paire NAMEl et NAMEd du groupe (FOLDER\ peut être omis&#xa0;: main)</translation>
    </message>
    <message>
        <source>--var goes with a group</source>
        <translation>--var va avec un groupe</translation>
    </message>
    <message>
        <source>dotlark-convert: %1
Try &apos;dotlark-convert --help&apos;.</source>
        <translation>dotlark-convert: %1
Essayez «&#xa0;dotlark-convert --help&#xa0;».</translation>
    </message>
    <message>
        <source>dotlark-convert: note: %1</source>
        <translation>dotlark-convert: remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>a calculator name has at most 8 characters</source>
        <translation>un nom de calculatrice a au plus 8 caractères</translation>
    </message>
    <message>
        <source>Writes a group file of the pictures (.89g, .92g, .9xg, .v2g by the calculator, or a
TIGroup .tig), each under its own folder\name; two pictures of one folder\name are
refused (name them apart with --name first).</source>
        <translation>Écrit un fichier de groupe des images (.89g, .92g, .9xg, .v2g selon la calculatrice, ou un
TIGroup .tig), chacune sous son propre dossier\nom&#xa0;; deux images de même dossier\nom sont
refusées (donnez-leur d&apos;abord des noms distincts avec --name).</translation>
    </message>
    <message>
        <source>holds %1, as %2 does: a group holds one variable of each name. Name them apart first (dotlark-convert IN.89i OUT.89i --name NAME), then group the files made.</source>
        <translation>contient %1, comme %2&#xa0;: un groupe contient une seule variable de chaque nom. Donnez-leur d&apos;abord des noms distincts (dotlark-convert IN.89i OUT.89i --name NAME), puis groupez les fichiers obtenus.</translation>
    </message>
    <message>
        <source>the value of %1 is not valid UTF-8 text: &quot;%2&quot;</source>
        <translation>la valeur de %1 n&apos;est pas un texte UTF-8 valide&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the image would be %1 x %2 pixels, more than the %3 pixels written at most</source>
        <translation>l&apos;image ferait %1 x %2 pixels, plus que les %3 pixels écrits au maximum</translation>
    </message>
    <message>
        <source>Sends every picture of the group file (.89g, .92g, .9xg, .v2g, .tig) to the calculator,
each as the variable it is in the group, in one session. The calculator is the group&apos;s
unless --calc names it.</source>
        <translation>Envoie chaque image du fichier de groupe (.89g, .92g, .9xg, .v2g, .tig) à la calculatrice,
chacune comme la variable qu&apos;elle est dans le groupe, en une seule session. La calculatrice
est celle du groupe, sauf si --calc la nomme.</translation>
    </message>
    <message>
        <source>send the group&apos;s pictures to the calculator</source>
        <translation>envoyer les images du groupe à la calculatrice</translation>
    </message>
    <message>
        <source>the calculator answered as %1</source>
        <translation>la calculatrice a répondu comme %1</translation>
    </message>
    <message>
        <source>the calculator did not say which it is: taken for %1, the one last used on this cable or the picture&apos;s</source>
        <translation>la calculatrice n&apos;a pas dit laquelle elle est&#xa0;: prise pour %1, la dernière utilisée sur ce câble ou celle de l&apos;image</translation>
    </message>
    <message>
        <source>sent %1</source>
        <translation>%1 envoyé</translation>
    </message>
    <message>
        <source>sending the pictures of %1...</source>
        <translation>envoi des images de %1...</translation>
    </message>
    <message>
        <source>--mask-bits takes and or or, not &quot;%1&quot;</source>
        <translation>--mask-bits prend and ou or, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--transparent and --mask-bits go with --mask</source>
        <translation>--transparent et --mask-bits vont avec --mask</translation>
    </message>
    <message>
        <source>add a mask plane telling where the picture is transparent (white)</source>
        <translation>ajoute un plan de masque qui dit où l&apos;image est transparente (le blanc)</translation>
    </message>
    <message>
        <source>and: 1 = transparent, for AND-ing into the screen (the default); or: 1 = opaque</source>
        <translation>and&#xa0;: 1 = transparent, pour un ET avec l&apos;écran (par défaut)&#xa0;; or&#xa0;: 1 = opaque</translation>
    </message>
    <message>
        <source>one array with each row&apos;s planes in turn ([mask,] light, dark)</source>
        <translation>un seul tableau avec les plans de chaque ligne à tour de rôle ([masque,] clair, foncé)</translation>
    </message>
    <message>
        <source>a sheet: every tile of W x H pixels, read left to right then down, as name[N][H]</source>
        <translation>une planche&#xa0;: chaque tuile de L x H pixels, lue de gauche à droite puis vers le bas, en nom[N][H]</translation>
    </message>
    <message>
        <source>with --tiles: the tiles&apos; names, in order, for an enum of their indices</source>
        <translation>avec --tiles&#xa0;: les noms des tuiles, dans l&apos;ordre, pour un enum de leurs indices</translation>
    </message>
    <message>
        <source>--tiles takes a size such as 16x16, not &quot;%1&quot;</source>
        <translation>--tiles prend une taille comme 16x16, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--names goes with --tiles</source>
        <translation>--names va avec --tiles</translation>
    </message>
    <message>
        <source>Writes a sprite of C source (arrays of 8, 16 or 32-bit integers, one row an element,
as --sprite writes them or by hand) as OUT: a calculator picture or an image (.png,
.bmp, .pbm) by OUT&apos;s ending. A sheet (NAME[N][H]) comes out as its tiles, as many a
row as its comment says, else all in one row. A grey sprite (NAME_light and
NAME_dark) is written as a PNG or BMP image of four levels, a group of its two planes,
or as OUTl.89i and OUTd.89i. --var may be left out when the file holds one sprite.</source>
        <translation>Écrit un sprite de source C (tableaux d&apos;entiers de 8, 16 ou 32 bits, une ligne par
élément, tels que --sprite les écrit ou écrits à la main) comme OUT : une image de
calculatrice ou une image (.png, .bmp, .pbm) selon l&apos;extension de OUT. Une planche
(NOM[N][H]) donne ses tuiles, autant par rangée que son commentaire l&apos;indique, sinon
toutes sur une rangée. Un sprite gris (NOM_light et NOM_dark) est écrit comme image PNG
ou BMP de quatre niveaux, comme groupe de ses deux plans ou comme OUTl.89i et OUTd.89i.
--var peut être omis quand le fichier contient un seul sprite.</translation>
    </message>
    <message>
        <source>the sprite to write, by the name --list shows</source>
        <translation>le sprite à écrire, sous le nom que --list affiche</translation>
    </message>
    <message>
        <source>Lists the arrays of C source that could be sprites, one a line: the name, the
element size, the length, the shape and the arrays it is made of, separated by
tabs; an array that is not a sprite says why. Notes go to standard error.</source>
        <translation>Liste les tableaux de la source C qui pourraient être des sprites, un par ligne : le
nom, la taille des éléments, la longueur, la forme et les tableaux qui le composent,
séparés par des tabulations ; un tableau qui n&apos;est pas un sprite dit pourquoi. Les
remarques vont sur la sortie d&apos;erreur.</translation>
    </message>
    <message>
        <source>list the sprites of the C source</source>
        <translation>lister les sprites de la source C</translation>
    </message>
    <message>
        <source>Writes the picture (a calculator picture, or an image: four grey levels for a grey
sprite) into the sprite&apos;s arrays in the C source, in place: only the values that
change are written again, each as it was written (base, digits, case, suffix), and
every other byte of the file stays. The mask follows the pixels changed. A picture
of another size than the sprite is refused.</source>
        <translation>Écrit l&apos;image (une image de calculatrice, ou une image : quatre niveaux de gris pour
un sprite gris) dans les tableaux du sprite de la source C, sur place : seules les
valeurs qui changent sont réécrites, chacune comme elle était écrite (base, chiffres,
casse, suffixe), et tous les autres octets du fichier restent. Le masque suit les pixels
modifiés. Une image d&apos;une autre taille que le sprite est refusée.</translation>
    </message>
    <message>
        <source>write the picture into the sprite</source>
        <translation>écrire l&apos;image dans le sprite</translation>
    </message>
    <message>
        <source>defines no array named %1 (--list shows them)</source>
        <translation>ne définit aucun tableau nommé %1 (--list les affiche)</translation>
    </message>
    <message>
        <source>defines no sprite (--list shows its arrays and why)</source>
        <translation>ne définit aucun sprite (--list affiche ses tableaux et pourquoi)</translation>
    </message>
    <message>
        <source>defines %1 sprites: name one with --var NAME (--list shows them)</source>
        <translation>définit %1 sprites : nommez-en un avec --var NOM (--list les affiche)</translation>
    </message>
    <message>
        <source>a sprite of four grey levels is written as a PNG or BMP image, a group or two picture files</source>
        <translation>un sprite de quatre niveaux de gris s&apos;écrit comme image PNG ou BMP, comme groupe ou comme deux fichiers d&apos;image</translation>
    </message>
</context>
<context>
    <name>DecodeReply</name>
    <message>
        <source>the picture reader sent more than it announced</source>
        <translation>le lecteur d&apos;images a envoyé plus qu&apos;il n&apos;avait annoncé</translation>
    </message>
    <message>
        <source>the picture reader announced a picture of %1 x %2 pixels</source>
        <translation>le lecteur d&apos;images a annoncé une image de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the picture reader announced a full size of %1 x %2 pixels</source>
        <translation>le lecteur d&apos;images a annoncé une taille complète de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the picture reader ended without an answer (exit status %1)</source>
        <translation>le lecteur d&apos;images s&apos;est terminé sans réponse (code de sortie %1)</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1 x %2 pixels</source>
        <translation>la mémoire ne suffit pas pour une image de %1 x %2 pixels</translation>
    </message>
</context>
<context>
    <name>DeferredPrintDialog</name>
    <message>
        <source>The Print dialog cannot be loaded from %1:<byte value="xd"/>%2</source>
        <translation>La boîte de dialogue Imprimer ne peut pas être chargée depuis %1 :<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>DialogQuestions</name>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Recover the unsaved picture of %1 from %2?</source>
        <translation>Récupérer l&apos;image non enregistrée de %1 du %2&#xa0;?</translation>
    </message>
    <message>
        <source>DOTLARK ended without saving these pictures. Recover the one selected? The others are kept for a later start; Discard deletes all of them.</source>
        <translation>DOTLARK s&apos;est arrêté sans enregistrer ces images. Récupérer celle qui est choisie&#xa0;? Les autres sont gardées pour un prochain démarrage&#xa0;; «&#xa0;Abandonner&#xa0;» les supprime toutes.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Le presse-papiers ne contient aucune image.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s picture is %1 x %2 pixels, more than a picture file holds.</source>
        <translation>L&apos;image du presse-papiers mesure %1 x %2 pixels, plus qu&apos;un fichier image ne peut en contenir.</translation>
    </message>
    <message>
        <source>The picture has not been saved. Replace it with the clipboard&apos;s picture?</source>
        <translation>L&apos;image n&apos;a pas été enregistrée. La remplacer par l&apos;image du presse-papiers&#xa0;?</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG, four greys</source>
        <translation>PNG, quatre gris</translation>
    </message>
    <message>
        <source>PGM, four greys</source>
        <translation>PGM, quatre gris</translation>
    </message>
    <message>
        <source>BMP, four greys</source>
        <translation>BMP, quatre gris</translation>
    </message>
    <message>
        <source>Can&apos;t write the picture %1<byte value="xd"/>%2</source>
        <translation>Impossible d&apos;écrire l&apos;image %1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
</context>
<context>
    <name>EditDialogs</name>
    <message>
        <source>TI-89 screen, 160 x 77</source>
        <translation>Écran de la TI-89, 160 x 77</translation>
    </message>
    <message>
        <source>TI-92 and Voyage 200 screen, 240 x 128</source>
        <translation>Écran des TI-92 et Voyage 200, 240 x 128</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Taille du canevas</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Anchor:</source>
        <translation>Ancrage&#xa0;:</translation>
    </message>
    <message>
        <source>Too large for a picture file.</source>
        <translation>Trop grande pour un fichier image.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>T&amp;aille&#xa0;:</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Scale (each pixel as a square of):</source>
        <translation>É&amp;chelle (chaque pixel en carré de)&#xa0;:</translation>
    </message>
    <message>
        <source>Tile Grid</source>
        <translation>Grille de tuiles</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 pixels</translation>
    </message>
    <message>
        <source>Tile &amp;width:</source>
        <translation>&amp;Largeur des tuiles&#xa0;:</translation>
    </message>
    <message>
        <source>Tile &amp;height:</source>
        <translation>&amp;Hauteur des tuiles&#xa0;:</translation>
    </message>
    <message>
        <source>The tiles of a sheet of sprites, read left to right, then down.</source>
        <translation>Les tuiles d&apos;une planche de sprites, lues de gauche à droite, puis vers le bas.</translation>
    </message>
    <message>
        <source>&amp;No Grid</source>
        <translation>&amp;Aucune grille</translation>
    </message>
</context>
<context>
    <name>EditorStart</name>
    <message>
        <source>Usage: dotlark [PICTURE]
       dotlark --help | --version

Opens the editor for TI-89, TI-92, TI-92 Plus and Voyage 200 pictures
(.89i, .92i, .9xi, .v2i), reading PICTURE when one is named. The words after
the options are joined with blanks into one file name, and a pair of double
quotes around it is removed. Put -- before a name that starts with &apos;-&apos;;
a lone - is a file named -.

  --help     show this text and exit
  --version  show the version and licence and exit

dotlark-convert --help describes the command-line tool.</source>
        <translation>Utilisation&#xa0;: dotlark [IMAGE]
              dotlark --help | --version

Ouvre l&apos;éditeur d&apos;images de TI-89, TI-92, TI-92 Plus et Voyage 200 (.89i, .92i,
.9xi, .v2i), en lisant IMAGE quand elle est nommée. Les mots après les options
sont joints par des espaces en un seul nom de fichier, et une paire de guillemets
droits autour de lui est retirée. Mettez -- avant un nom qui commence par «&#xa0;-&#xa0;»&#xa0;;
un - seul est un fichier nommé -.

  --help     afficher ce texte et quitter
  --version  afficher la version et la licence et quitter

dotlark-convert --help décrit l&apos;outil en ligne de commande.</translation>
    </message>
    <message>
        <source>dotlark: unknown option &apos;%1&apos;
Try &apos;dotlark --help&apos;.</source>
        <translation>dotlark: option inconnue «&#xa0;%1&#xa0;»
Essayez «&#xa0;dotlark --help&#xa0;».</translation>
    </message>
    <message>
        <source>dotlark: there is no display to show the editor on: %1.
Run it from a desktop session, or under a virtual display: xvfb-run -a dotlark</source>
        <translation>dotlark: il n&apos;y a pas d&apos;affichage où montrer l&apos;éditeur&#xa0;: %1.
Lancez-le depuis une session de bureau, ou sous un affichage virtuel&#xa0;: xvfb-run -a dotlark</translation>
    </message>
    <message>
        <source>the window system could not be reached</source>
        <translation>le système de fenêtres n&apos;a pas pu être joint</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini</translation>
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
    <name>ExportSourceCommand</name>
    <message>
        <source>Export Source</source>
        <translation>Exporter la source</translation>
    </message>
    <message>
        <source>C header</source>
        <translation>En-tête C</translation>
    </message>
    <message>
        <source>C source</source>
        <translation>Source C</translation>
    </message>
    <message>
        <source>The C source can&apos;t be made: %1</source>
        <translation>Impossible de produire la source C&#xa0;: %1</translation>
    </message>
    <message>
        <source>Can&apos;t write the source %1<byte value="xd"/>%2</source>
        <translation>Impossible d&apos;écrire la source %1<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>ExportSourceDialog</name>
    <message>
        <source>4 grey levels</source>
        <translation>4 niveaux de gris</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>noir et blanc</translation>
    </message>
    <message>
        <source>Selection: %1 x %2 pixels, %3</source>
        <translation>Sélection&#xa0;: %1 x %2 pixels, %3</translation>
    </message>
    <message>
        <source>Picture: %1 x %2 pixels, %3</source>
        <translation>Image&#xa0;: %1 x %2 pixels, %3</translation>
    </message>
    <message>
        <source>8 pixels (unsigned char)</source>
        <translation>8 pixels (unsigned char)</translation>
    </message>
    <message>
        <source>16 pixels (unsigned short)</source>
        <translation>16 pixels (unsigned short)</translation>
    </message>
    <message>
        <source>32 pixels (unsigned long)</source>
        <translation>32 pixels (unsigned long)</translation>
    </message>
    <message>
        <source>Bytes, any width (SpriteX8)</source>
        <translation>Octets, toute largeur (SpriteX8)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Separate arrays</source>
        <translation>Tableaux séparés</translation>
    </message>
    <message>
        <source>Interlaced rows</source>
        <translation>Lignes entrelacées</translation>
    </message>
    <message>
        <source>A black-and-white picture has one plane</source>
        <translation>Une image en noir et blanc n&apos;a qu&apos;un plan</translation>
    </message>
    <message>
        <source>Export Source</source>
        <translation>Exporter la source</translation>
    </message>
    <message>
        <source>&amp;Rows:</source>
        <translation>&amp;Lignes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Mask:</source>
        <translation>&amp;Masque&#xa0;:</translation>
    </message>
    <message>
        <source>Planes:</source>
        <translation>Plans&#xa0;:</translation>
    </message>
    <message>
        <source>Array &amp;name:</source>
        <translation>&amp;Nom du tableau&#xa0;:</translation>
    </message>
    <message>
        <source>White is transparent</source>
        <translation>Le blanc est transparent</translation>
    </message>
    <message>
        <source>Light grey is transparent</source>
        <translation>Le gris clair est transparent</translation>
    </message>
    <message>
        <source>Dark grey is transparent</source>
        <translation>Le gris foncé est transparent</translation>
    </message>
    <message>
        <source>Black is transparent</source>
        <translation>Le noir est transparent</translation>
    </message>
    <message>
        <source>AND mask: 1 = transparent</source>
        <translation>Masque ET&#xa0;: 1 = transparent</translation>
    </message>
    <message>
        <source>OR mask: 1 = opaque</source>
        <translation>Masque OU&#xa0;: 1 = opaque</translation>
    </message>
    <message>
        <source>Mask &amp;bits:</source>
        <translation>&amp;Bits du masque&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;All tiles of %1 x %2, as one array of sprites</source>
        <translation>&amp;Toutes les tuiles de %1 x %2, en un seul tableau de sprites</translation>
    </message>
    <message>
        <source>player, enemy, ... (may be left empty)</source>
        <translation>joueur, ennemi, ... (peut rester vide)</translation>
    </message>
    <message>
        <source>&amp;Tile names:</source>
        <translation>Noms des t&amp;uiles&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Erreur d&apos;écriture sur le disque</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a file.</source>
        <translation>C&apos;est un périphérique ou un tube, pas un fichier.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Le fichier est trop volumineux.</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>Le fichier dépasse %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile; it is left as it is.</source>
        <translation>Un autre programme l&apos;a modifié entre-temps&#xa0;; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>it is no picture this program reads</source>
        <translation>ce n&apos;est pas une image que ce programme sait lire</translation>
    </message>
    <message>
        <source>The file is not a calculator picture (.89i, .9xi, .v2i or .92i).</source>
        <translation>Le fichier n&apos;est pas une image de calculatrice (.89i, .9xi, .v2i ou .92i).</translation>
    </message>
    <message>
        <source>The picture is larger than a picture file holds.</source>
        <translation>L&apos;image est plus grande que ce que peut contenir un fichier d&apos;image.</translation>
    </message>
    <message>
        <source>The picture is %1, more than the %2 a picture file holds.</source>
        <translation>L&apos;image fait %1, plus que les %2 que peut contenir un fichier d&apos;image.</translation>
    </message>
    <message>
        <source>The picture cannot be written in this format.</source>
        <translation>L&apos;image ne peut pas être écrite dans ce format.</translation>
    </message>
    <message>
        <source>The page cannot be drawn.</source>
        <translation>La page ne peut pas être dessinée.</translation>
    </message>
    <message>
        <source>The calculator link failed.</source>
        <translation>La liaison avec la calculatrice a échoué.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device or a pipe, not an ordinary file</source>
        <translation>c&apos;est un périphérique ou un tube, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>le fichier dépasse %1</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
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
    <message>
        <source>The picture has no file yet: use Save As.</source>
        <translation>L&apos;image n&apos;a pas encore de fichier&#xa0;: utilisez «&#xa0;Enregistrer sous&#xa0;».</translation>
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
    <name>GroupCommands</name>
    <message>
        <source>TI-89 DOTLARK: Add to Group</source>
        <translation>TI-89 DOTLARK&#xa0;: Ajouter au groupe</translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation>%1 ne contient aucune image.</translation>
    </message>
    <message>
        <source>%1 holds %2 and %3, the light and dark planes of a grey picture. Open them as one picture of four grey levels?</source>
        <translation>%1 contient %2 et %3, les plans clair et foncé d&apos;une image en gris. Les ouvrir comme une seule image à quatre niveaux de gris&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already holds %2. Replace it with this picture?</source>
        <translation>%1 contient déjà %2. Le remplacer par cette image&#xa0;?</translation>
    </message>
    <message>
        <source>%1 were added to %2.</source>
        <translation>%1 ont été ajoutés à %2.</translation>
    </message>
    <message>
        <source>%1 was added to %2.</source>
        <translation>%1 a été ajouté à %2.</translation>
    </message>
    <message>
        <source>%1 and %2 hold the light and dark planes of a grey picture. Open them as one picture of four grey levels?</source>
        <translation>%1 et %2 contiennent les plans clair et foncé d&apos;une image en gris. Les ouvrir comme une seule image à quatre niveaux de gris&#xa0;?</translation>
    </message>
</context>
<context>
    <name>GroupDialogs</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Open from Group</source>
        <translation>Ouvrir depuis un groupe</translation>
    </message>
    <message>
        <source>&amp;Open which picture of %1?</source>
        <translation>&amp;Quelle image de %1 ouvrir&#xa0;?</translation>
    </message>
</context>
<context>
    <name>GroupFile</name>
    <message>
        <source>Entry %1</source>
        <translation>L&apos;entrée %1</translation>
    </message>
    <message>
        <source>Entry %1 (%2)</source>
        <translation>L&apos;entrée %1 (%2)</translation>
    </message>
    <message>
        <source>The file is too short to be a calculator group: it has no complete 60-byte header.</source>
        <translation>Le fichier est trop court pour être un groupe de calculatrice : il n&apos;a pas d&apos;en-tête complet de 60 octets.</translation>
    </message>
    <message>
        <source>The file is not a calculator group (.89g, .92g, .9xg or .v2g).</source>
        <translation>Le fichier n&apos;est pas un groupe de calculatrice (.89g, .92g, .9xg ou .v2g).</translation>
    </message>
    <message>
        <source>The group&apos;s table of entries runs past the end of the file.</source>
        <translation>La table des entrées du groupe dépasse la fin du fichier.</translation>
    </message>
    <message>
        <source>%1 of the group has its data outside the file.</source>
        <translation>%1 du groupe a ses données hors du fichier.</translation>
    </message>
    <message>
        <source>%1 of the group is a folder of more variables than follow it.</source>
        <translation>%1 du groupe est un dossier de plus de variables qu&apos;il n&apos;en suit.</translation>
    </message>
    <message>
        <source>%1 of the group is longer than its place in the file.</source>
        <translation>%1 du groupe est plus longue que sa place dans le fichier.</translation>
    </message>
    <message>
        <source>The group is too large for a group file.</source>
        <translation>Le groupe est trop grand pour un fichier de groupe.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>The group has more than 65,535 entries (variables and folders), the most a group file holds.</source>
        <translation>Le groupe a plus de 65&#xa0;535 entrées (variables et dossiers), le maximum qu&apos;un fichier de groupe contient.</translation>
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
        <translation>Sur l&apos;image, dessinez avec le bouton gauche de la souris&#xa0;; le bouton droit ouvre le menu des outils de dessin.</translation>
    </message>
    <message>
        <source>Use the File menu to make a New image (specifying the dimensions), Open, Save, and Print images. In &apos;Save As...&apos; you can also save the image as a BMP. </source>
        <translation>Le menu Fichier crée une image (Nouveau, en indiquant les dimensions), ouvre (Ouvrir), enregistre (Enregistrer) et imprime (Imprimer) les images. Dans «&#xa0;Enregistrer sous...&#xa0;», vous pouvez aussi enregistrer l&apos;image en BMP. </translation>
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
    <name>ImportCommands</name>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Import a picture</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>Can&apos;t import %1: %2</source>
        <translation>Impossible d&apos;importer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it ends before its picture does. Import the part that could be read?</source>
        <translation>Le fichier %1 est endommagé&#xa0;: il se termine avant la fin de son image. Importer la partie qui a pu être lue&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ImportScaledDialog</name>
    <message>
        <source>Import Scaled...</source>
        <translation>Importer à l&apos;échelle...</translation>
    </message>
    <message>
        <source>%1: %2 x %3 pixels onto %4 x %5</source>
        <translation>%1&#xa0;: %2 x %3 pixels sur %4 x %5</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;juster</translation>
    </message>
    <message>
        <source>F&amp;ill</source>
        <translation>&amp;Remplir</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>É&amp;tirer</translation>
    </message>
    <message>
        <source>&amp;1:1</source>
        <translation>&amp;1:1</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Rendu</translation>
    </message>
    <message>
        <source>&amp;Threshold</source>
        <translation>&amp;Seuil</translation>
    </message>
    <message>
        <source>Pixels darker than this grey become black</source>
        <translation>Les pixels plus sombres que ce gris deviennent noirs</translation>
    </message>
    <message>
        <source>Dither (F&amp;loyd-Steinberg)</source>
        <translation>Tramage (F&amp;loyd-Steinberg)</translation>
    </message>
    <message>
        <source>Dither (&amp;Atkinson)</source>
        <translation>Tramage (Atkinso&amp;n)</translation>
    </message>
    <message>
        <source>&amp;4 grey levels</source>
        <translation>&amp;4 niveaux de gris</translation>
    </message>
    <message>
        <source>White, light grey, dark grey and black, as the calculator shows grey; Threshold takes the nearest of the four</source>
        <translation>Blanc, gris clair, gris foncé et noir, comme la calculatrice affiche le gris&#xa0;; Seuil prend le plus proche des quatre</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>In&amp;vert</source>
        <translation>In&amp;verser</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>Lu&amp;minosité</translation>
    </message>
    <message>
        <source>&amp;Contrast</source>
        <translation>&amp;Contraste</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Tracé</translation>
    </message>
    <message>
        <source>Add blac&amp;k pixels</source>
        <translation>Ajouter des pi&amp;xels noirs</translation>
    </message>
    <message>
        <source>&amp;Replace the picture</source>
        <translation>Remplacer l&apos;ima&amp;ge</translation>
    </message>
    <message>
        <source>White pixels of the result are set white too</source>
        <translation>Les pixels blancs du résultat sont aussi mis en blanc</translation>
    </message>
    <message>
        <source>Add grey and blac&amp;k pixels</source>
        <translation>Ajouter des pi&amp;xels gris et noirs</translation>
    </message>
</context>
<context>
    <name>IsolatedPictureLoader</name>
    <message>
        <source>the picture reader %1 cannot be started: %2</source>
        <translation>le lecteur d&apos;images %1 ne peut pas être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>reading the picture took more than %1 seconds of processor time</source>
        <translation>la lecture de l&apos;image a pris plus de %1 secondes de temps processeur</translation>
    </message>
    <message>
        <source>the picture reader stopped on a fault (%1)</source>
        <translation>le lecteur d&apos;images s&apos;est arrêté sur une erreur (%1)</translation>
    </message>
    <message>
        <source>reading the picture took longer than %1 seconds</source>
        <translation>la lecture de l&apos;image a pris plus de %1 secondes</translation>
    </message>
    <message>
        <source>the reading was cancelled</source>
        <translation>la lecture a été annulée</translation>
    </message>
    <message>
        <source>the picture reader %1 is not installed</source>
        <translation>le lecteur d&apos;images %1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
</context>
<context>
    <name>LinkDialogs</name>
    <message>
        <source>Automatic (probe the USB cables)</source>
        <translation>Automatique (sonder les câbles USB)</translation>
    </message>
    <message>
        <source>BlackLink serial</source>
        <translation>BlackLink série</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallèle</translation>
    </message>
    <message>
        <source>TiEmu emulator</source>
        <translation>Émulateur TiEmu</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Link Settings</source>
        <translation>Réglages de la liaison</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> secondes</translation>
    </message>
    <message>
        <source>&amp;Cable:</source>
        <translation>&amp;Câble&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;alculator:</source>
        <translation>C&amp;alculatrice&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Timeout (each answer):</source>
        <translation>&amp;Délai (par réponse)&#xa0;:</translation>
    </message>
    <message>
        <source>Receive from Calculator</source>
        <translation>Recevoir de la calculatrice</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>&amp;Open which picture of the calculator? (Several chosen with Ctrl or Shift go into a group file.)</source>
        <translation>&amp;Quelle image de la calculatrice ouvrir&#xa0;? (Plusieurs, choisies avec Ctrl ou Maj, vont dans un fichier de groupe.)</translation>
    </message>
    <message>
        <source>Capture Calculator Screen</source>
        <translation>Capturer l&apos;écran de la calculatrice</translation>
    </message>
    <message>
        <source>What a TI-89 &amp;shows (160 x 100)</source>
        <translation>Ce qu&apos;une TI-89 &amp;affiche (160 x 100)</translation>
    </message>
    <message>
        <source>The &amp;whole screen (240 x 128)</source>
        <translation>&amp;Tout l&apos;écran (240 x 128)</translation>
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
    <message>
        <source>Can&apos;t start %1
%2

Choose Wlink89.exe again?</source>
        <translation>Impossible de démarrer %1
%2

Choisir de nouveau Wlink89.exe&#xa0;?</translation>
    </message>
    <message>
        <source>Can&apos;t start Wlink89.exe</source>
        <translation>Impossible de démarrer Wlink89.exe</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is not a program this computer can run.</source>
        <translation>Ce n&apos;est pas un programme que cet ordinateur peut exécuter.</translation>
    </message>
    <message>
        <source>It is a Windows program, and Wine, which runs Windows programs here, is not installed.</source>
        <translation>C&apos;est un programme Windows, et Wine, qui exécute ici les programmes Windows, n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>It is a Windows program, and Wine would not start it.</source>
        <translation>C&apos;est un programme Windows, et Wine n&apos;a pas pu le démarrer.</translation>
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
    <name>LinkReply</name>
    <message>
        <source>the link helper gave an answer that is not one</source>
        <translation>le programme de liaison a donné une réponse qui n&apos;en est pas une</translation>
    </message>
    <message>
        <source>the link helper ended without an answer</source>
        <translation>le programme de liaison s&apos;est terminé sans réponse</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>no USB link cable was found (plug in the SilverLink or the TI-89 Titanium&apos;s cable, or choose the cable)</source>
        <translation>aucun câble de liaison USB n&apos;a été trouvé (branchez le SilverLink ou le câble de la TI-89 Titanium, ou choisissez le câble)</translation>
    </message>
    <message>
        <source>the USB cables cannot be listed: %1</source>
        <translation>les câbles USB ne peuvent pas être listés&#xa0;: %1</translation>
    </message>
    <message>
        <source>error %1 of the link library</source>
        <translation>erreur %1 de la bibliothèque de liaison</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (erreur %2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1; if the calculator shows an error, press ESC on it and try again</source>
        <translation>%1&#xa0;; si la calculatrice affiche une erreur, appuyez sur ESC et réessayez</translation>
    </message>
    <message>
        <source>there is no cable called &quot;%1&quot;</source>
        <translation>il n&apos;y a pas de câble nommé «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the cable is busy: another transfer is using it (wait until it ends, then try again)</source>
        <translation>le câble est occupé&#xa0;: un autre transfert l&apos;utilise (attendez qu&apos;il se termine, puis réessayez)</translation>
    </message>
    <message>
        <source>the cable cannot be opened: %1</source>
        <translation>le câble ne peut pas être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1; the cable is there but this user may not use it: the udev rules of the libticables2 package allow the members of the plugdev group (sudo adduser $USER plugdev, then log in again)</source>
        <translation>%1&#xa0;; le câble est là mais cet utilisateur ne peut pas s&apos;en servir&#xa0;: les règles udev du paquet libticables2 l&apos;autorisent aux membres du groupe plugdev (sudo adduser $USER plugdev, puis reconnectez-vous)</translation>
    </message>
    <message>
        <source>no emulator is running with its link on (start TiEmu with the TiEmu cable set up)</source>
        <translation>aucun émulateur ne tourne avec sa liaison active (lancez TiEmu avec le câble TiEmu configuré)</translation>
    </message>
    <message>
        <source>the cable cannot be used on port %1</source>
        <translation>le câble ne peut pas être utilisé sur le port %1</translation>
    </message>
    <message>
        <source>there is no calculator called &quot;%1&quot;</source>
        <translation>il n&apos;y a pas de calculatrice nommée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the calculator cannot be handled</source>
        <translation>la calculatrice ne peut pas être prise en charge</translation>
    </message>
    <message>
        <source>the calculator does not answer (is it on, at its home screen with no error shown (press ESC), and the cable plugged in?): %1</source>
        <translation>la calculatrice ne répond pas (est-elle allumée, sur son écran principal sans erreur affichée (appuyez sur ESC), et le câble est-il branché&#xa0;?)&#xa0;: %1</translation>
    </message>
    <message>
        <source>the calculator&apos;s variables cannot be listed</source>
        <translation>les variables de la calculatrice ne peuvent pas être listées</translation>
    </message>
    <message>
        <source>the variable %1 was not received</source>
        <translation>la variable %1 n&apos;a pas été reçue</translation>
    </message>
    <message>
        <source>the screen was not received</source>
        <translation>l&apos;écran n&apos;a pas été reçu</translation>
    </message>
    <message>
        <source>%1: the transfer was cancelled</source>
        <translation>%1&#xa0;: le transfert a été annulé</translation>
    </message>
    <message>
        <source>no calculator answers on the cable: %1; choose the calculator in the link settings if it is on and at its home screen</source>
        <translation>aucune calculatrice ne répond sur le câble&#xa0;: %1&#xa0;; choisissez la calculatrice dans les réglages de liaison si elle est allumée et sur son écran principal</translation>
    </message>
    <message>
        <source>%1: the transfer was cancelled, and the calculator did not say it ended it (if it shows &quot;Link in progress&quot;, press ESC on it)</source>
        <translation>%1&#xa0;: le transfert a été annulé, et la calculatrice n&apos;a pas dit l&apos;avoir terminé (si elle affiche «&#xa0;Link in progress&#xa0;», appuyez sur ESC)</translation>
    </message>
    <message>
        <source>the calculator&apos;s list of variables holds one without a name</source>
        <translation>la liste des variables de la calculatrice en contient une sans nom</translation>
    </message>
    <message>
        <source>the calculator&apos;s list of variables holds %1\%2 of 0 bytes</source>
        <translation>la liste des variables de la calculatrice contient %1\%2 de 0 octet</translation>
    </message>
    <message>
        <source>the calculator&apos;s list of variables holds %1\%2 twice</source>
        <translation>la liste des variables de la calculatrice contient deux fois %1\%2</translation>
    </message>
    <message>
        <source>the calculator&apos;s variables were not listed</source>
        <translation>les variables de la calculatrice n&apos;ont pas été listées</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire épuisée</translation>
    </message>
    <message>
        <source>%1 was not sent</source>
        <translation>%1 n&apos;a pas été envoyé</translation>
    </message>
    <message>
        <source>usage: dotlark-link send FILE... [--ask] | list | receive FOLDER NAME OUT | screen full|clipped
       [--cable auto|silverlink|directlink|blacklink|graylink|parallel|tiemu|null]
       [--port 1-4] [--calc auto|ti89|ti89t|ti92|ti92+|v200] [--guess MODEL]... [--timeout SECONDS]
(used by DOTLARK to talk to the calculator)</source>
        <translation>utilisation&#xa0;: dotlark-link send FILE... [--ask] | list | receive FOLDER NAME OUT | screen full|clipped
       [--cable auto|silverlink|directlink|blacklink|graylink|parallel|tiemu|null]
       [--port 1-4] [--calc auto|ti89|ti89t|ti92|ti92+|v200] [--guess MODEL]... [--timeout SECONDS]
(utilisé par DOTLARK pour parler à la calculatrice)</translation>
    </message>
    <message>
        <source>the picture was not sent</source>
        <translation>l&apos;image n&apos;a pas été envoyée</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Import Scale&amp;d...</source>
        <translation>Importer à l&apos;éc&amp;helle...</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Exporter l&apos;i&amp;mage...</translation>
    </message>
    <message>
        <source>Export So&amp;urce...</source>
        <translation>Exporter la so&amp;urce...</translation>
    </message>
    <message>
        <source>Add to &amp;Group...</source>
        <translation>Ajouter au &amp;groupe...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Send to Calculator...</source>
        <translation>Envoyer à la calculatrice...</translation>
    </message>
    <message>
        <source>&amp;Receive from Calculator...</source>
        <translation>&amp;Recevoir de la calculatrice...</translation>
    </message>
    <message>
        <source>&amp;Capture Calculator Screen...</source>
        <translation>&amp;Capturer l&apos;écran de la calculatrice...</translation>
    </message>
    <message>
        <source>Lin&amp;k Settings...</source>
        <translation>Réglages de la &amp;liaison...</translation>
    </message>
    <message>
        <source>Open in &amp;TiLP...</source>
        <translation>Ouvrir dans &amp;TiLP...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;ClrDraw </source>
        <translation>&amp;ClrDraw </translation>
    </message>
    <message>
        <source>Tools...</source>
        <translation>Outils...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste as &amp;New Picture</source>
        <translation>Coller comme &amp;nouvelle image</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>D&amp;eselect</source>
        <translation>&amp;Désélectionner</translation>
    </message>
    <message>
        <source>C&amp;rop to Selection</source>
        <translation>&amp;Rogner à la sélection</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation>Retourner &amp;horizontalement</translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation>Retourner &amp;verticalement</translation>
    </message>
    <message>
        <source>Rotate Ri&amp;ght</source>
        <translation>Pivoter vers la droit&amp;e</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Pivoter vers la &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverser</translation>
    </message>
    <message>
        <source>Shi&amp;ft</source>
        <translation>Déc&amp;aler</translation>
    </message>
    <message>
        <source>Canvas &amp;Size...</source>
        <translation>Tai&amp;lle du canevas...</translation>
    </message>
    <message>
        <source>Gre&amp;y Levels</source>
        <translation>Niveau&amp;x de gris</translation>
    </message>
    <message>
        <source>Transparent Selecti&amp;on</source>
        <translation>Sélection trans&amp;parente</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>Dessi&amp;n</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Pixel &amp;Grid</source>
        <translation>&amp;Grille des pixels</translation>
    </message>
    <message>
        <source>&amp;Preview 1:1</source>
        <translation>A&amp;perçu 1:1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Tile Grid...</source>
        <translation>Grille de tuiles...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Pic Var Name:</source>
        <translation>Nom de variable&#xa0;:</translation>
    </message>
    <message>
        <source>in the calculator</source>
        <translation>dans la calculatrice</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire&#xa0;:</translation>
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
        <translation>TI-89 DOTLARK&#xa0;: ouvrir un fichier</translation>
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
        <translation>%1 a été modifié sur le disque depuis son ouverture. Le remplacer par cette image&#xa0;?</translation>
    </message>
    <message>
        <source>Invalid Filename: Use *.89i</source>
        <translation>Nom de fichier non valide&#xa0;: utilisez *.89i</translation>
    </message>
    <message>
        <source>Filename ERROR!</source>
        <translation>ERREUR de nom de fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Light plane:</source>
        <translation>Plan clair&#xa0;:</translation>
    </message>
    <message>
        <source>Dark plane:</source>
        <translation>Plan foncé&#xa0;:</translation>
    </message>
    <message>
        <source>The light and dark planes need two different names.</source>
        <translation>Les plans clair et foncé doivent porter deux noms différents.</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>%1 existe déjà.<byte value="xd"/>Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
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
    <message>
        <source>It is a symbolic link.</source>
        <translation>C&apos;est un lien symbolique.</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>It belongs to another user.</source>
        <translation>Il appartient à un autre utilisateur.</translation>
    </message>
    <message>
        <source>Other users may use it, and its permissions cannot be narrowed: %1</source>
        <translation>D&apos;autres utilisateurs peuvent s&apos;en servir et ses droits ne peuvent pas être restreints&#xa0;: %1</translation>
    </message>
    <message>
        <source>It cannot be made or opened: %1</source>
        <translation>Il ne peut être ni créé ni ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>The recovery folder %1 cannot be used.<byte value="xd"/>%2<byte value="xd"/>No recovery copies are kept, so unsaved work is lost if DOTLARK crashes or is killed.</source>
        <translation>Le dossier de récupération %1 ne peut pas être utilisé.<byte value="xd"/>%2<byte value="xd"/>Aucune copie de récupération n&apos;est gardée&#xa0;: le travail non enregistré est perdu si DOTLARK plante ou est tué.</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Selection %1 x %2</source>
        <translation>Sélection %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Pick Level</source>
        <translation>Prendre le niveau</translation>
    </message>
    <message>
        <source>C source with sprites (h, c)|*.h;*.c</source>
        <translation>Source C avec des sprites (h, c)|*.h;*.c</translation>
    </message>
</context>
<context>
    <name>MetafileReader</name>
    <message>
        <source>the metafile&apos;s placeable header is cut short</source>
        <translation>l&apos;en-tête de placement du métafichier est tronqué</translation>
    </message>
    <message>
        <source>the metafile&apos;s placeable header gives an empty frame of %1 x %2 units</source>
        <translation>l&apos;en-tête de placement du métafichier donne un cadre vide de %1 x %2 unités</translation>
    </message>
    <message>
        <source>the metafile&apos;s placeable header gives 0 units per inch</source>
        <translation>l&apos;en-tête de placement du métafichier donne 0 unité par pouce</translation>
    </message>
    <message>
        <source>the metafile holds a bitmap whose header of %1 bytes is not one of a bitmap</source>
        <translation>le métafichier contient un bitmap dont l&apos;en-tête de %1 octets n&apos;est pas celui d&apos;un bitmap</translation>
    </message>
    <message>
        <source>the metafile holds a bitmap of %1 x %2 pixels, more than the %3 pixels read at most</source>
        <translation>le métafichier contient un bitmap de %1 x %2 pixels, plus que les %3 pixels lus au maximum</translation>
    </message>
    <message>
        <source>the metafile holds a bitmap whose colour table of %1 colours is larger than the file</source>
        <translation>le métafichier contient un bitmap dont la table de %1 couleurs est plus grande que le fichier</translation>
    </message>
    <message>
        <source>the metafile&apos;s record at byte %1 is of %2 words, larger than the %3 its header allows</source>
        <translation>l&apos;enregistrement du métafichier à l&apos;octet %1 fait %2 mots, plus que les %3 permis par son en-tête</translation>
    </message>
    <message>
        <source>the metafile&apos;s record at byte %1 uses object %2 of a table of %3</source>
        <translation>l&apos;enregistrement du métafichier à l&apos;octet %1 utilise l&apos;objet %2 d&apos;une table de %3</translation>
    </message>
    <message>
        <source>the metafile&apos;s record at byte %1 is of %2 words, too short to be a record</source>
        <translation>l&apos;enregistrement du métafichier à l&apos;octet %1 fait %2 mots, trop peu pour un enregistrement</translation>
    </message>
    <message>
        <source>the metafile ends in the middle of its record at byte %1</source>
        <translation>le métafichier se termine au milieu de son enregistrement à l&apos;octet %1</translation>
    </message>
    <message>
        <source>the metafile ends without its end record</source>
        <translation>le métafichier se termine sans son enregistrement de fin</translation>
    </message>
    <message>
        <source>there is not enough memory to draw the metafile</source>
        <translation>la mémoire ne suffit pas pour dessiner le métafichier</translation>
    </message>
    <message>
        <source>the metafile reader cannot read it</source>
        <translation>le lecteur de métafichiers ne peut pas le lire</translation>
    </message>
    <message>
        <source>the metafile&apos;s records are damaged</source>
        <translation>les enregistrements du métafichier sont endommagés</translation>
    </message>
    <message>
        <source>the metafile ends in the middle of a record</source>
        <translation>le métafichier se termine au milieu d&apos;un enregistrement</translation>
    </message>
    <message>
        <source>the metafile&apos;s picture cannot be drawn</source>
        <translation>l&apos;image du métafichier ne peut pas être dessinée</translation>
    </message>
    <message>
        <source>the metafile reader failed on it (libwmf error %1)</source>
        <translation>le lecteur de métafichiers a échoué (erreur libwmf %1)</translation>
    </message>
    <message>
        <source>the metafile&apos;s header gives its size as %1 words, not 9</source>
        <translation>l&apos;en-tête du métafichier indique une taille de %1 mots, et non 9</translation>
    </message>
    <message>
        <source>the metafile&apos;s header claims a record larger than the file</source>
        <translation>l&apos;en-tête du métafichier annonce un enregistrement plus grand que le fichier</translation>
    </message>
    <message>
        <source>the metafile reader cannot be started</source>
        <translation>le lecteur de métafichiers ne peut pas être lancé</translation>
    </message>
    <message>
        <source>the metafile&apos;s picture is %1 x %2 pixels: it has no size</source>
        <translation>l&apos;image du métafichier fait %1 x %2 pixels&#xa0;: elle n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>the metafile draws far beyond its picture</source>
        <translation>le métafichier dessine bien au-delà de son image</translation>
    </message>
    <message>
        <source>the metafile reader cannot draw into a picture here (libwmf has no PNG output)</source>
        <translation>le lecteur de métafichiers ne peut pas dessiner dans une image ici (libwmf n&apos;a pas de sortie PNG)</translation>
    </message>
    <message>
        <source>the metafile reader gave no picture of %1 x %2 pixels</source>
        <translation>le lecteur de métafichiers n&apos;a pas donné d&apos;image de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>this build of DOTLARK reads no metafiles (it was made without libwmf)</source>
        <translation>cette version de DOTLARK ne lit pas les métafichiers (elle a été construite sans libwmf)</translation>
    </message>
</context>
<context>
    <name>NameProblem</name>
    <message>
        <source>Pic Var ERROR!</source>
        <translation>ERREUR de Pic Var&#xa0;!</translation>
    </message>
    <message>
        <source>Folder Name ERROR!</source>
        <translation>ERREUR de nom de dossier&#xa0;!</translation>
    </message>
    <message>
        <source>Pic Var Name missing.</source>
        <translation>Nom de Pic Var manquant.</translation>
    </message>
    <message>
        <source>Folder Name missing.</source>
        <translation>Nom de dossier manquant.</translation>
    </message>
    <message>
        <source>First character of Pic Var Name can&apos;t be digit.</source>
        <translation>Le premier caractère du nom de Pic Var ne peut pas être un chiffre.</translation>
    </message>
    <message>
        <source>First character of Folder Name can&apos;t be digit.</source>
        <translation>Le premier caractère du nom de dossier ne peut pas être un chiffre.</translation>
    </message>
    <message>
        <source>Invalid character <byte value="xd"/>in Pic Var Name: &lt;%1&gt;</source>
        <translation>Caractère non valide <byte value="xd"/>dans le nom de Pic Var&#xa0;: &lt;%1&gt;</translation>
    </message>
    <message>
        <source>Invalid character <byte value="xd"/>in Folder Name: &lt;%1&gt;</source>
        <translation>Caractère non valide <byte value="xd"/>dans le nom de dossier&#xa0;: &lt;%1&gt;</translation>
    </message>
</context>
<context>
    <name>NetpbmReader</name>
    <message>
        <source>the picture data is cut short (it ends in row %1 of %2)</source>
        <translation>les données de l&apos;image sont tronquées (elles s&apos;arrêtent à la ligne %1 sur %2)</translation>
    </message>
    <message>
        <source>the width</source>
        <translation>la largeur</translation>
    </message>
    <message>
        <source>the height</source>
        <translation>la hauteur</translation>
    </message>
    <message>
        <source>the maxval</source>
        <translation>la valeur maximale (maxval)</translation>
    </message>
    <message>
        <source>a sample in row %1</source>
        <translation>un échantillon de la ligne %1</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>le fichier se termine avant %1</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is larger than %2</source>
        <translation>%1 dépasse %2</translation>
    </message>
    <message>
        <source>%1 is followed by &apos;%2&apos; instead of a blank</source>
        <translation>après %1 vient « %2 » au lieu d&apos;un blanc</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels, so it has none</source>
        <translation>l&apos;image fait %1 x %2 pixels, elle n&apos;en a donc aucun</translation>
    </message>
    <message>
        <source>the header claims %1 x %2 pixels, more than the %3 pixels accepted</source>
        <translation>l&apos;en-tête annonce %1 x %2 pixels, plus que les %3 pixels acceptés</translation>
    </message>
    <message>
        <source>the maxval is 0</source>
        <translation>la valeur maximale (maxval) est 0</translation>
    </message>
    <message>
        <source>the file ends after the header</source>
        <translation>le fichier se termine après l&apos;en-tête</translation>
    </message>
    <message>
        <source>the picture data is cut short (%1 x %2 pixels need at least %3 bytes, %4 are there)</source>
        <translation>les données de l&apos;image sont tronquées (%1 x %2 pixels demandent au moins %3 octets, il y en a %4)</translation>
    </message>
    <message>
        <source>a pixel is &apos;%1&apos; instead of 0 or 1 (row %2)</source>
        <translation>un pixel vaut « %1 » au lieu de 0 ou 1 (ligne %2)</translation>
    </message>
    <message>
        <source>a sample in row %1 is %2, above the maxval %3</source>
        <translation>un échantillon de la ligne %1 vaut %2, au-dessus de la valeur maximale %3</translation>
    </message>
    <message>
        <source>it is not a netpbm picture (no P1 to P6 at its start)</source>
        <translation>ce n&apos;est pas une image netpbm (pas de P1 à P6 à son début)</translation>
    </message>
    <message>
        <source>there is not enough memory for its %1 x %2 pixels</source>
        <translation>la mémoire ne suffit pas pour ses %1 x %2 pixels</translation>
    </message>
</context>
<context>
    <name>NewPictureDialog</name>
    <message>
        <source>DOTLARK: New picture dialog</source>
        <translation>DOTLARK&#xa0;: nouvelle image</translation>
    </message>
    <message>
        <source>Enter the dimensions below. The width must be between 1 and 160. The height must be between 1and 77.</source>
        <translation>Entrez les dimensions. La largeur va de 1 à 160, la hauteur de 1 à 77.</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
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
    <name>PictureFile</name>
    <message>
        <source>The file is too short to be a TI-89 picture: it has no complete 92-byte header.</source>
        <translation>Le fichier est trop court pour être une image TI-89&#xa0;: il n&apos;a pas d&apos;en-tête complet de 92 octets.</translation>
    </message>
    <message>
        <source>The picture has a width or height of 0.</source>
        <translation>L&apos;image a une largeur ou une hauteur de 0.</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is larger than 32767.</source>
        <translation>La largeur ou la hauteur de l&apos;image dépasse 32767.</translation>
    </message>
    <message>
        <source>The file ends before the last row of the picture.</source>
        <translation>Le fichier se termine avant la dernière ligne de l&apos;image.</translation>
    </message>
    <message>
        <source>The picture is too large for a calculator picture file: its rows need more than 65530 bytes.</source>
        <translation>L&apos;image est trop grande pour un fichier d&apos;image de calculatrice&#xa0;: ses lignes demandent plus de 65530 octets.</translation>
    </message>
    <message>
        <source>The file is not a calculator picture (.89i, .9xi, .v2i or .92i).</source>
        <translation>Le fichier n&apos;est pas une image de calculatrice (.89i, .9xi, .v2i ou .92i).</translation>
    </message>
    <message>
        <source>The file is not a calculator picture: it is %1.</source>
        <translation>Le fichier n&apos;est pas une image de calculatrice&#xa0;: c&apos;est %1.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>une image PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>une image JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>une image GIF</translation>
    </message>
    <message>
        <source>a BMP image</source>
        <translation>une image BMP</translation>
    </message>
    <message>
        <source>a Windows metafile</source>
        <translation>un métafichier Windows</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>%1 x %2 pixels: %3 bytes of pixel data</source>
        <translation>%1 x %2 pixels&#xa0;: %3 octets de données de pixels</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>%1
<byte value="xd"/>
<byte value="xd"/>     ...this picture?</source>
        <translation>%1
<byte value="xd"/>
<byte value="xd"/>     ...cette image&#xa0;?</translation>
    </message>
</context>
<context>
    <name>PictureLimits</name>
    <message>
        <source>the picture is %1 x %2 pixels, more than the %3 pixels read at most</source>
        <translation>l&apos;image fait %1 x %2 pixels, plus que les %3 pixels lus au maximum</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>there is not enough memory to convert the picture</source>
        <translation>il n&apos;y a pas assez de mémoire pour convertir l&apos;image</translation>
    </message>
    <message>
        <source>there is not enough memory to read the picture</source>
        <translation>il n&apos;y a pas assez de mémoire pour lire l&apos;image</translation>
    </message>
    <message>
        <source>reading the picture needs more than the %1 MB of memory this reader may use</source>
        <translation>lire l&apos;image demande plus que les %1 Mo de mémoire que ce lecteur peut utiliser</translation>
    </message>
    <message>
        <source>usage: dotlark-decode FILE [--cover WxH] [--top-left WxH] (used by DOTLARK to read pictures)</source>
        <translation>utilisation&#xa0;: dotlark-decode FILE [--cover WxH] [--top-left WxH] (utilisé par DOTLARK pour lire les images)</translation>
    </message>
    <message>
        <source>dotlark-decode: this is DOTLARK&apos;s picture reader. dotlark and dotlark-convert run it and read
its binary answer through a pipe; it writes no files. To convert a picture, use dotlark-convert.</source>
        <translation>dotlark-decode: c&apos;est le lecteur d&apos;images de DOTLARK. dotlark et dotlark-convert le lancent et
lisent sa réponse binaire par un tube&#xa0;; il n&apos;écrit aucun fichier. Pour convertir une image,
utilisez dotlark-convert.</translation>
    </message>
</context>
<context>
    <name>Place</name>
    <message>
        <source>The light plane is %1 x %2 pixels and the dark plane %3 x %4: the planes of a grey picture are of one size.</source>
        <translation>Le plan clair fait %1 x %2 pixels et le plan foncé %3 x %4&#xa0;: les plans d&apos;une image en gris sont de même taille.</translation>
    </message>
    <message>
        <source>%1 had other names (hard links). It was written as a new file, so that a crash cannot leave it half written; the other names keep the version before this save.</source>
        <translation>%1 avait d&apos;autres noms (liens physiques). Il a été écrit comme un nouveau fichier, pour qu&apos;une panne ne puisse pas le laisser à moitié écrit&#xa0;; les autres noms gardent la version d&apos;avant cet enregistrement.</translation>
    </message>
    <message>
        <source>It defines no array of 8, 16 or 32-bit integers, which is how C source holds sprites.</source>
        <translation>Il ne définit aucun tableau d&apos;entiers de 8, 16 ou 32 bits, la forme sous laquelle la source C contient des sprites.</translation>
    </message>
    <message>
        <source>%1 is a black-and-white sprite in this file, and the picture has four grey levels.</source>
        <translation>%1 est un sprite noir et blanc dans ce fichier, et l&apos;image a quatre niveaux de gris.</translation>
    </message>
    <message>
        <source>It is not a sprite: %1.</source>
        <translation>Ce n&apos;est pas un sprite : %1.</translation>
    </message>
    <message>
        <source>It is %1 x %2 pixels; the editor takes pictures of at most %3 pixels a side.</source>
        <translation>Il fait %1 x %2 pixels ; l&apos;éditeur prend des images d&apos;au plus %3 pixels de côté.</translation>
    </message>
    <message>
        <source>The file no longer defines the sprite %1.</source>
        <translation>Le fichier ne définit plus le sprite %1.</translation>
    </message>
    <message>
        <source>The sprite %1 would not read back.</source>
        <translation>Le sprite %1 ne se relirait pas.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels, and the arrays of %3 hold %4 x %5: a sprite of another size cannot be written in place. Save As writes the picture to a file of its own.</source>
        <translation>L&apos;image fait %1 x %2 pixels, et les tableaux de %3 en contiennent %4 x %5 : un sprite d&apos;une autre taille ne peut pas être réécrit sur place. Enregistrer sous écrit l&apos;image dans un fichier à elle.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Preview 1:1</source>
        <translation>Aperçu 1:1</translation>
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
    <name>PrivateCopy</name>
    <message>
        <source>The picture has four grey levels; a picture file holds one black-and-white picture. Send to Calculator sends both planes.</source>
        <translation>L&apos;image a quatre niveaux de gris&#xa0;; un fichier d&apos;image ne contient qu&apos;une image en noir et blanc. «&#xa0;Envoyer à la calculatrice&#xa0;» envoie les deux plans.</translation>
    </message>
</context>
<context>
    <name>QtCalculatorLink</name>
    <message>
        <source>the link helper %1 cannot be started: %2</source>
        <translation>le programme de liaison %1 ne peut pas être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the link helper stopped on a fault (%1)</source>
        <translation>le programme de liaison s&apos;est arrêté sur une erreur (%1)</translation>
    </message>
    <message>
        <source>the link helper %1 is not installed</source>
        <translation>le programme de liaison %1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the link helper&apos;s answer is too long</source>
        <translation>la réponse du programme de liaison est trop longue</translation>
    </message>
    <message>
        <source>the calculator did not answer within %1 seconds</source>
        <translation>la calculatrice n&apos;a pas répondu en %1 secondes</translation>
    </message>
    <message>
        <source>the transfer was cancelled</source>
        <translation>le transfert a été annulé</translation>
    </message>
    <message>
        <source>Sending %1 to the calculator...</source>
        <translation>Envoi de %1 à la calculatrice...</translation>
    </message>
    <message>
        <source>Receiving %1\%2 from the calculator...</source>
        <translation>Réception de %1\%2 depuis la calculatrice...</translation>
    </message>
    <message>
        <source>Capturing the calculator&apos;s screen...</source>
        <translation>Capture de l&apos;écran de la calculatrice...</translation>
    </message>
    <message>
        <source>the link helper sent no screen</source>
        <translation>le programme de liaison n&apos;a envoyé aucun écran</translation>
    </message>
    <message>
        <source>Reading the calculator&apos;s variables...</source>
        <translation>Lecture des variables de la calculatrice...</translation>
    </message>
    <message>
        <source>the link helper said it was done, but ended with status %1</source>
        <translation>l&apos;assistant de liaison a dit avoir fini, mais s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>Sending %1 variables to the calculator...</source>
        <translation>Envoi de %1 variables à la calculatrice...</translation>
    </message>
</context>
<context>
    <name>QtPictureLoader</name>
    <message>
        <source>the picture is %1 x %2 pixels; a PNG picture is read up to %3 pixels wide and high</source>
        <translation>l&apos;image fait %1 x %2 pixels&#xa0;; une image PNG est lue jusqu&apos;à %3 pixels de large et de haut</translation>
    </message>
    <message>
        <source>it is no picture format known here</source>
        <translation>ce n&apos;est pas un format d&apos;image connu ici</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels, which take %3 MB to decode, more than the %4 MB a picture may take</source>
        <translation>l&apos;image fait %1 x %2 pixels, qui demandent %3 Mo pour être décodés, plus que les %4 Mo qu&apos;une image peut prendre</translation>
    </message>
</context>
<context>
    <name>QtProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1
%2 of %3 bytes</source>
        <translation>%1
%2 octets sur %3</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>No error.</source>
        <translation>Aucune erreur.</translation>
    </message>
    <message>
        <source>It is not a recovery copy.</source>
        <translation>Ce n&apos;est pas une copie de récupération.</translation>
    </message>
    <message>
        <source>It was written by another version of the editor.</source>
        <translation>Elle a été écrite par une autre version de l&apos;éditeur.</translation>
    </message>
    <message>
        <source>It ends before its picture does.</source>
        <translation>Elle se termine avant son image.</translation>
    </message>
    <message>
        <source>Its picture size, levels, calculator or texts are out of range.</source>
        <translation>La taille de son image, ses niveaux, sa calculatrice ou ses textes sont hors limites.</translation>
    </message>
    <message>
        <source>It holds pixels beyond the picture&apos;s levels.</source>
        <translation>Elle contient des pixels au-delà des niveaux de l&apos;image.</translation>
    </message>
    <message>
        <source>Its checksum does not match: the file is damaged.</source>
        <translation>Sa somme de contrôle ne correspond pas : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>It has bytes after the end of the copy.</source>
        <translation>Elle a des octets après la fin de la copie.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
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
    <name>SendCommand</name>
    <message>
        <source>TiLP ended abnormally.</source>
        <translation>TiLP s&apos;est terminé anormalement.</translation>
    </message>
    <message>
        <source>TiLP ended with exit status %1.</source>
        <translation>TiLP s&apos;est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>TiLP reported an error.</source>
        <translation>TiLP a signalé une erreur.</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.<byte value="xd"/>%2</source>
        <translation>%1 n&apos;a pas été envoyé à la calculatrice.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>TiLP, the program that sends files to the calculator, is not installed.<byte value="xd"/>Install it with:  sudo apt install tilp2</source>
        <translation>TiLP, le programme qui envoie les fichiers à la calculatrice, n&apos;est pas installé.<byte value="xd"/>Installez-le avec&#xa0;:  sudo apt install tilp2</translation>
    </message>
    <message>
        <source>TiLP is already running, sending a picture to the calculator.<byte value="xd"/>Wait until it has finished, then send again.</source>
        <translation>TiLP est déjà en cours d&apos;exécution et envoie une image à la calculatrice.<byte value="xd"/>Attendez qu&apos;il ait terminé, puis envoyez de nouveau.</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator: its copy for TiLP cannot be written.<byte value="xd"/>%2</source>
        <translation>%1 n&apos;a pas été envoyé à la calculatrice&#xa0;: sa copie pour TiLP ne peut pas être écrite.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Can&apos;t start %1</source>
        <translation>Impossible de démarrer %1</translation>
    </message>
</context>
<context>
    <name>ShownNames</name>
    <message>
        <source>The name is not valid UTF-8 text, so this program cannot open or write a file by it. Rename the file.</source>
        <translation>Le nom n&apos;est pas un texte UTF-8 valide&#xa0;; ce programme ne peut donc ni ouvrir ni écrire de fichier sous ce nom. Renommez le fichier.</translation>
    </message>
</context>
<context>
    <name>SourceCommands</name>
    <message>
        <source>%1 holds no sprite:</source>
        <translation>%1 ne contient aucun sprite :</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Array</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Sprite</source>
        <translation>Sprite</translation>
    </message>
    <message>
        <source>Open from C Source</source>
        <translation>Ouvrir depuis une source C</translation>
    </message>
    <message>
        <source>&amp;Open which sprite of %1?</source>
        <translation>&amp;Ouvrir quel sprite de %1 ?</translation>
    </message>
</context>
<context>
    <name>SpriteSource</name>
    <message>
        <source>there are no pixels to write</source>
        <translation>il n&apos;y a aucun pixel à écrire</translation>
    </message>
    <message>
        <source>the picture is %1 pixels wide, wider than rows of %2 pixels (rows of bytes for SpriteX8 take any width)</source>
        <translation>l&apos;image a une largeur de %1 pixels, plus que des lignes de %2 pixels (les lignes d&apos;octets pour SpriteX8 acceptent toute largeur)</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels, not a whole number of tiles of %3 x %4</source>
        <translation>l&apos;image fait %1 x %2 pixels, pas un nombre entier de tuiles de %3 x %4</translation>
    </message>
    <message>
        <source>%1 names for %2 tiles</source>
        <translation>%1 noms pour %2 tuiles</translation>
    </message>
    <message>
        <source>the tiles are %1 pixels wide, wider than rows of %2 pixels</source>
        <translation>les tuiles font %1 pixels de large, plus que des lignes de %2 pixels</translation>
    </message>
</context>
<context>
    <name>SpriteSummary</name>
    <message>
        <source>%1 bits, %2 a row</source>
        <translation>%1 bits, %2 par ligne</translation>
    </message>
    <message>
        <source>%1 bits</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>%1 x %2 elements</source>
        <translation>%1 x %2 éléments</translation>
    </message>
    <message>
        <source>%1 elements</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>not a sprite: %1</source>
        <translation>pas un sprite : %1</translation>
    </message>
    <message>
        <source>%1 tiles of %2 x %3 pixels, %4 a row</source>
        <translation>%1 tuiles de %2 x %3 pixels, %4 par rangée</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>, four grey levels</source>
        <translation>, quatre niveaux de gris</translation>
    </message>
    <message>
        <source>, with a mask</source>
        <translation>, avec un masque</translation>
    </message>
</context>
<context>
    <name>TiGroup</name>
    <message>
        <source>the checksum of %1 disagrees with its data</source>
        <translation>la somme de contrôle de %1 ne correspond pas à ses données</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 is no calculator variable: %2</source>
        <translation>Le membre %1 du TIGroup n&apos;est pas une variable de calculatrice&#xa0;: %2</translation>
    </message>
    <message>
        <source>Calculator groups (89g, 92g, 9xg, v2g, tig)|*.89g;*.92g;*.9xg;*.v2g;*.tig</source>
        <translation>Groupes de calculatrice (89g, 92g, 9xg, v2g, tig)|*.89g;*.92g;*.9xg;*.v2g;*.tig</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: no ZIP end record closes it (it is no ZIP archive, or it is cut short).</source>
        <translation>Le TIGroup ne peut pas être lu&#xa0;: aucun enregistrement de fin ZIP ne le termine (ce n&apos;est pas une archive ZIP, ou elle est tronquée).</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: it is one part of an archive spread over several files.</source>
        <translation>Le TIGroup ne peut pas être lu&#xa0;: c&apos;est une partie d&apos;une archive répartie sur plusieurs fichiers.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: it uses ZIP64 records, which calculator groups never need.</source>
        <translation>Le TIGroup ne peut pas être lu&#xa0;: il utilise des enregistrements ZIP64, dont les groupes de calculatrice n&apos;ont jamais besoin.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: its list of members does not lie where its end record says.</source>
        <translation>Le TIGroup ne peut pas être lu&#xa0;: sa liste des membres n&apos;est pas là où son enregistrement de fin l&apos;indique.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: its list of members is damaged.</source>
        <translation>Le TIGroup ne peut pas être lu&#xa0;: sa liste des membres est endommagée.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be unpacked: its members add up to more than %1 MiB.</source>
        <translation>Le TIGroup ne peut pas être décompressé&#xa0;: ses membres font ensemble plus de %1 Mio.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 lies outside the file.</source>
        <translation>Le membre %1 du TIGroup se trouve hors du fichier.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 shares its bytes with another member.</source>
        <translation>Le membre %1 du TIGroup partage ses octets avec un autre membre.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 has a header that disagrees with the archive&apos;s list of members.</source>
        <translation>Le membre %1 du TIGroup a un en-tête qui ne correspond pas à la liste des membres de l&apos;archive.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 is encrypted.</source>
        <translation>Le membre %1 du TIGroup est chiffré.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked: it is compressed by a method other than deflate.</source>
        <translation>Le membre %1 du TIGroup ne peut pas être décompressé&#xa0;: il est compressé par une autre méthode que deflate.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked: it is larger than %2 MiB.</source>
        <translation>Le membre %1 du TIGroup ne peut pas être décompressé&#xa0;: il fait plus de %2 Mio.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked: its data are damaged.</source>
        <translation>Le membre %1 du TIGroup ne peut pas être décompressé&#xa0;: ses données sont endommagées.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked: its CRC disagrees with its data.</source>
        <translation>Le membre %1 du TIGroup ne peut pas être décompressé&#xa0;: son CRC ne correspond pas à ses données.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be made: it would reach 4 GiB or 65,535 members.</source>
        <translation>Le TIGroup ne peut pas être créé&#xa0;: il atteindrait 4 Gio ou 65&#xa0;535 membres.</translation>
    </message>
    <message>
        <source>The TIGroup holds %1 in two members, %2 and %3: which one to replace cannot be told.</source>
        <translation>Le TIGroup contient %1 dans deux membres, %2 et %3&#xa0;: impossible de savoir lequel remplacer.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 holds other variables beside %2, which a rewrite of it would lose.</source>
        <translation>Le membre %1 du TIGroup contient d&apos;autres variables que %2, qu&apos;une réécriture perdrait.</translation>
    </message>
    <message>
        <source>The TIGroup holds more than %1 variables, more than a group file holds.</source>
        <translation>Le TIGroup contient plus de %1 variables, plus qu&apos;un fichier de groupe n&apos;en contient.</translation>
    </message>
</context>
<context>
    <name>Tilp</name>
    <message>
        <source>TiLP has no link cable set up: start TiLP (tilp) and choose the cable and the calculator in its settings.</source>
        <translation>TiLP n&apos;a aucun câble de liaison configuré&#xa0;: lancez TiLP (tilp) et choisissez le câble et la calculatrice dans ses réglages.</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>Pen</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>WhLine</source>
        <translation>Ligne blanche</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>WhBox</source>
        <translation>Rectangle blanc</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Pavé</translation>
    </message>
    <message>
        <source>WhBar</source>
        <translation>Pavé blanc</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>WhCircle</source>
        <translation>Cercle blanc</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>WhEllipse</source>
        <translation>Ellipse blanche</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>WhFill</source>
        <translation>Remplissage blanc</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
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
