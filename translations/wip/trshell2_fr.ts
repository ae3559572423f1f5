<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <source>there are no pixels to write</source>
        <translation>il n&apos;y a aucun pixel à écrire</translation>
    </message>
    <message>
        <source>the picture is %1 pixels wide, wider than rows of %2 pixels (rows of bytes for SpriteX8 take any width)</source>
        <translation>l&apos;image a une largeur de %1 pixels, plus que des lignes de %2 pixels (les lignes d&apos;octets de SpriteX8 acceptent toute largeur)</translation>
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
        <source>Set where not white</source>
        <translation>Mis à 1 hors du blanc</translation>
    </message>
    <message>
        <source>Set where not light grey</source>
        <translation>Mis à 1 hors du gris clair</translation>
    </message>
    <message>
        <source>Set where not dark grey</source>
        <translation>Mis à 1 hors du gris foncé</translation>
    </message>
    <message>
        <source>Set where not black</source>
        <translation>Mis à 1 hors du noir</translation>
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
</TS>
