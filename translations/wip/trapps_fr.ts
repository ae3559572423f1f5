<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <source>Writes a group file of the pictures (.89g, .92g, .9xg, .v2g by the calculator, or a
TIGroup .tig), each under its own folder\name; a later one of the same name replaces
an earlier one.</source>
        <translation>Écrit un fichier de groupe des images (.89g, .92g, .9xg, .v2g selon la calculatrice, ou
un TIGroup .tig), chacune sous son propre dossier\nom&#xa0;; une image suivante de même nom
remplace la précédente.</translation>
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
        <source>with an 8-character variable name (%1) the comment is not stored</source>
        <translation>avec un nom de variable de 8 caractères (%1), le commentaire n&apos;est pas enregistré</translation>
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
        <source>--transparent goes with --mask</source>
        <translation>--transparent va avec --mask</translation>
    </message>
    <message>
        <source>rows of 8, 16 or 32 pixels, or of bytes for SpriteX8</source>
        <translation>lignes de 8, 16 ou 32 pixels, ou d&apos;octets pour SpriteX8</translation>
    </message>
    <message>
        <source>add a mask plane: set where the picture is not white</source>
        <translation>ajouter un plan de masque&#xa0;: allumé là où l&apos;image n&apos;est pas blanche</translation>
    </message>
    <message>
        <source>white, light, dark or black: the level the mask leaves out (default white)</source>
        <translation>white, light, dark ou black&#xa0;: le niveau que le masque laisse de côté (par défaut white)</translation>
    </message>
    <message>
        <source>one array with each row&apos;s planes in turn (light, dark[, mask])</source>
        <translation>un seul tableau avec les plans de chaque ligne tour à tour (clair, foncé[, masque])</translation>
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
        <source>no calculator answers on the cable: %1</source>
        <translation>aucune calculatrice ne répond sur le câble&#xa0;: %1</translation>
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
        <source>the picture was not sent</source>
        <translation>l&apos;image n&apos;a pas été envoyée</translation>
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
        <source>usage: dotlark-link send FILE | list | receive FOLDER NAME OUT | screen full|clipped
       [--cable auto|silverlink|directlink|blacklink|graylink|parallel|tiemu|null]
       [--port 1-4] [--calc auto|ti89|ti89t|ti92|ti92+|v200] [--timeout SECONDS]
(used by DOTLARK to talk to the calculator)</source>
        <translation>utilisation&#xa0;: dotlark-link send FILE | list | receive FOLDER NAME OUT | screen full|clipped
       [--cable auto|silverlink|directlink|blacklink|graylink|parallel|tiemu|null]
       [--port 1-4] [--calc auto|ti89|ti89t|ti92|ti92+|v200] [--timeout SECONDS]
(utilisé par DOTLARK pour parler à la calculatrice)</translation>
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
</TS>
