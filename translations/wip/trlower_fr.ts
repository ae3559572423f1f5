<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CalcCharset</name>
    <message>
        <source>The comment was stored with &quot;?&quot; in place of %1, which the calculator&apos;s characters do not include.</source>
        <translation>Le commentaire a été enregistré avec «&#xa0;?&#xa0;» à la place de %1, que les caractères de la calculatrice ne comprennent pas.</translation>
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
    <name>ShownNames</name>
    <message>
        <source>The name is not valid UTF-8 text, so this program cannot open or write a file by it. Rename the file.</source>
        <translation>Le nom n&apos;est pas un texte UTF-8 valide&#xa0;; ce programme ne peut donc ni ouvrir ni écrire de fichier sous ce nom. Renommez le fichier.</translation>
    </message>
</context>
<context>
    <name>Tilp</name>
    <message>
        <source>TiLP has no link cable set up: start TiLP (tilp) and choose the cable and the calculator in its settings.</source>
        <translation>TiLP n&apos;a aucun câble de liaison configuré&#xa0;: lancez TiLP (tilp) et choisissez le câble et la calculatrice dans ses réglages.</translation>
    </message>
</context>
</TS>
