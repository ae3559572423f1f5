<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Convert</name>
    <message>
        <source>this command has no option %1</source>
        <translation>dieser Befehl hat keine Option %1</translation>
    </message>
    <message>
        <source>%1 given twice</source>
        <translation>%1 zweimal angegeben</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>calculator folder name (default &quot;main&quot;)</source>
        <translation>Ordnername im Taschenrechner (Vorgabe „main“)</translation>
    </message>
    <message>
        <source>picture variable name (default &quot;picture&quot;)</source>
        <translation>Name der Bildvariablen (Vorgabe „picture“)</translation>
    </message>
    <message>
        <source>comment stored in the file (default &quot;made with DOTLARK&quot;)</source>
        <translation>in der Datei gespeicherter Kommentar (Vorgabe „made with DOTLARK“)</translation>
    </message>
    <message>
        <source>size of the picture made (default 160x77)</source>
        <translation>Größe des erzeugten Bildes (Vorgabe 160x77)</translation>
    </message>
    <message>
        <source>dither (Floyd-Steinberg or Atkinson) instead of a threshold</source>
        <translation>Rastern (Floyd-Steinberg oder Atkinson) statt eines Schwellwerts</translation>
    </message>
    <message>
        <source>0..256: black where the brightness is below N (default 128, mid grey)</source>
        <translation>0..256: schwarz, wo die Helligkeit unter N liegt (Vorgabe 128, mittleres Grau)</translation>
    </message>
    <message>
        <source>swap black and white inside the picture</source>
        <translation>Schwarz und Weiß im Bild vertauschen</translation>
    </message>
    <message>
        <source>2 (black and white) or 4 grey levels: in a group NAMEl and NAMEd, else OUTl.89i and OUTd.89i</source>
        <translation>2 (Schwarzweiß) oder 4 Graustufen: in einer Gruppe NAMEl und NAMEd, sonst OUTl.89i und OUTd.89i</translation>
    </message>
    <message>
        <source>-100..100, added to each colour channel (default 0)</source>
        <translation>-100..100, zu jedem Farbkanal addiert (Vorgabe 0)</translation>
    </message>
    <message>
        <source>-100..100, channels spread about mid grey (default 0)</source>
        <translation>-100..100, Kanäle um mittleres Grau gespreizt (Vorgabe 0)</translation>
    </message>
    <message>
        <source>Extracts a picture variable of a group file (.89g, .92g, .9xg, .v2g, a backup, or a
TIGroup .tig) as OUT: a calculator picture or an image (.png, .bmp, .pbm) by OUT&apos;s
ending. --var may be left out when the group holds one picture. A --var naming a
light/dark pair (NAMEl and NAMEd, one size) by NAME writes a PNG or BMP image of its
four grey levels: RGB 255, 213, 156 and 0, the light the calculator shows on average.</source>
        <translation>Extrahiert eine Bildvariable einer Gruppendatei (.89g, .92g, .9xg, .v2g, eine Sicherung
oder eine TIGroup .tig) als OUT: ein Taschenrechnerbild oder ein Bild (.png, .bmp, .pbm)
je nach Endung von OUT. --var kann entfallen, wenn die Gruppe nur ein Bild enthält. Ein
--var, das ein Hell/Dunkel-Paar (NAMEl und NAMEd, gleich groß) über NAME benennt,
schreibt ein PNG- oder BMP-Bild seiner vier Graustufen: RGB 255, 213, 156 und 0, das
Licht, das der Taschenrechner im Mittel zeigt.</translation>
    </message>
    <message>
        <source>the picture variable to extract (FOLDER\ may be left out: main)</source>
        <translation>die zu extrahierende Bildvariable (FOLDER\ kann entfallen: main)</translation>
    </message>
    <message>
        <source>Writes the picture 1:1 as an image: black pixels black, white pixels white.
A .pbm file is plain PBM (P1) with 1 = black. The picture operations apply in the
order --canvas, --flip, --rotate, --invert; --scale then draws each pixel as a square.</source>
        <translation>Schreibt das Bild 1:1 als Bilddatei: schwarze Pixel schwarz, weiße Pixel weiß.
Eine .pbm-Datei ist einfaches PBM (P1) mit 1 = schwarz. Die Bildoperationen gelten in
der Reihenfolge --canvas, --flip, --rotate, --invert; --scale zeichnet danach jedes
Pixel als Quadrat.</translation>
    </message>
    <message>
        <source>Turns a picture file into a .89i picture of the same size: a pixel becomes black
exactly when red + 256*green + 65536*blue is below 8421504 (mid grey); transparent
parts count as white.</source>
        <translation>Macht aus einer Bilddatei ein .89i-Bild gleicher Größe: ein Pixel wird genau dann
schwarz, wenn Rot + 256*Grün + 65536*Blau unter 8421504 (mittleres Grau) liegt;
transparente Teile zählen als weiß.</translation>
    </message>
    <message>
        <source>Imports a picture file onto a blank 160 x 77 picture exactly as File &gt; Import does:
centred where it is smaller, cut at the right and bottom where it is larger, black
by the same rule as above. The output is always 160 x 77.</source>
        <translation>Importiert eine Bilddatei auf ein leeres Bild von 160 x 77 genau wie Datei &gt; Importieren:
zentriert, wo sie kleiner ist, rechts und unten abgeschnitten, wo sie größer ist, schwarz
nach derselben Regel wie oben. Die Ausgabe ist immer 160 x 77 groß.</translation>
    </message>
    <message>
        <source>place on the 160 x 77 graph screen</source>
        <translation>auf den Grafikbildschirm von 160 x 77 legen</translation>
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
        <translation>Skaliert eine Bilddatei auf ein leeres Bild der Größe --size wie Datei &gt; Skaliert
importieren...: das ganze Bild, Seitenverhältnis erhalten, zentriert (weiß, wo es nicht
hinreicht). Die Skalierung mittelt die überdeckten Pixel in linearem Licht; dann ist
jedes Pixel schwarz, wo seine Helligkeit als Grau 0..255 unter dem Schwellwert liegt
(Grautöne wie nach der Regel oben bei 128), oder das Bild wird gerastert. Ein großes
JPEG wird nur mit 1/2, 1/4 oder 1/8 dekodiert. Mit --gray 4 und OUT als Gruppe (.89g,
...) stattdessen vier Graustufen, wie der Taschenrechner sie in linearem Licht zeigt
(weiß 1, hellgrau 2/3, dunkelgrau 1/3, schwarz 0), jedes Pixel die nächste Stufe oder
gerastert; die Gruppe enthält die helle und die dunkle Ebene als NAMEl und NAMEd. Mit
--gray 4 und OUT.89i werden die Ebenen daneben als zwei Bilddateien geschrieben,
OUTl.89i und OUTd.89i (OUT.89i selbst wird nicht geschrieben); eine Datei dieser Namen,
die kein Taschenrechnerbild ist, bleibt unberührt und der Import wird abgelehnt.</translation>
    </message>
    <message>
        <source>fit the whole picture, aspect kept</source>
        <translation>das ganze Bild einpassen, Seitenverhältnis erhalten</translation>
    </message>
    <message>
        <source>As --fit, but the picture covers the whole target, aspect kept, centred; what sticks
out is cut.</source>
        <translation>Wie --fit, aber das Bild bedeckt das ganze Ziel, Seitenverhältnis erhalten, zentriert;
was übersteht, wird abgeschnitten.</translation>
    </message>
    <message>
        <source>cover the target, aspect kept, cut what sticks out</source>
        <translation>das Ziel bedecken, Seitenverhältnis erhalten, Überstehendes abschneiden</translation>
    </message>
    <message>
        <source>As --fit, but the whole picture is stretched onto the whole target.</source>
        <translation>Wie --fit, aber das ganze Bild wird auf das ganze Ziel gestreckt.</translation>
    </message>
    <message>
        <source>stretch onto the whole target</source>
        <translation>auf das ganze Ziel strecken</translation>
    </message>
    <message>
        <source>Reads the file and writes it again with correct lengths and checksum;
the options replace the texts read, and change the picture as for an image.
Everywhere, .89i stands for any calculator picture: .89i (TI-89), .9xi (TI-92 Plus),
.v2i (Voyage 200) or .92i (TI-92); an output&apos;s ending picks the calculator.</source>
        <translation>Liest die Datei und schreibt sie mit richtigen Längen und Prüfsumme neu;
die Optionen ersetzen die gelesenen Texte und ändern das Bild wie bei einer Bilddatei.
Überall steht .89i für jedes Taschenrechnerbild: .89i (TI-89), .9xi (TI-92 Plus),
.v2i (Voyage 200) oder .92i (TI-92); die Endung einer Ausgabe wählt den Taschenrechner.</translation>
    </message>
    <message>
        <source>Writes C source for GCC4TI or TIGCC programs: the picture (one plane) or a group&apos;s
light/dark pair (NAMEl and NAMEd, one size: four grey levels) as arrays, one per plane,
a row per unsigned char, short or long (8, 16 or 32 pixels, the leftmost in the top
bit; a narrower picture padded with white on the right, a wider one refused) or, with
x8, rows of bytes for SpriteX8. The arrays are named after the variable; a comment
gives the size and how to draw them. A .h file&apos;s arrays are static.</source>
        <translation>Schreibt C-Quelltext für GCC4TI- oder TIGCC-Programme: das Bild (eine Ebene) oder das
Hell/Dunkel-Paar einer Gruppe (NAMEl und NAMEd, gleich groß: vier Graustufen) als Arrays,
eines je Ebene, eine Zeile je unsigned char, short oder long (8, 16 oder 32 Pixel, das
linke im höchsten Bit; ein schmaleres Bild rechts mit Weiß aufgefüllt, ein breiteres
abgelehnt) oder, mit x8, Zeilen aus Bytes für SpriteX8. Die Arrays heißen nach der
Variablen; ein Kommentar nennt die Größe und wie man sie zeichnet. Die Arrays einer
.h-Datei sind static.</translation>
    </message>
    <message>
        <source>Shows folder, variable name, comment, width, height and calculator, and whether signature,
type byte, length fields, tag byte and checksum agree with what DOTLARK writes. Control
characters in the texts are shown as escapes (\r, \n, \a, \xHH), a backslash doubled.</source>
        <translation>Zeigt Ordner, Variablenname, Kommentar, Breite, Höhe und Taschenrechner, und ob Signatur,
Typbyte, Längenfelder, Kennbyte und Prüfsumme mit dem übereinstimmen, was DOTLARK
schreibt. Steuerzeichen in den Texten werden als Escapes gezeigt (\r, \n, \a, \xHH),
ein Backslash verdoppelt.</translation>
    </message>
    <message>
        <source>describe the file</source>
        <translation>die Datei beschreiben</translation>
    </message>
    <message>
        <source>Prints the picture as File &gt; Print does, onto one Letter-size PDF page whose
drawing area is the whole page: every black pixel a square, a heavy frame, and the
text lines asked for. Lengths are plain numbers of inches; values that would leave
a pixel wholly off the page are refused.</source>
        <translation>Druckt das Bild wie Datei &gt; Drucken auf eine PDF-Seite im Letter-Format, deren
Zeichenfläche die ganze Seite ist: jedes schwarze Pixel ein Quadrat, ein kräftiger Rahmen
und die verlangten Textzeilen. Längen sind einfache Zahlen in Zoll; Werte, die ein Pixel
ganz außerhalb der Seite lägen, werden abgelehnt.</translation>
    </message>
    <message>
        <source>the PDF file to write</source>
        <translation>die zu schreibende PDF-Datei</translation>
    </message>
    <message>
        <source>page top to the first pixel row (default 1, at least 0)</source>
        <translation>Seitenoberkante bis zur ersten Pixelzeile (Vorgabe 1, mindestens 0)</translation>
    </message>
    <message>
        <source>page left to the first pixel column (default 1, at least 0)</source>
        <translation>linker Seitenrand bis zur ersten Pixelspalte (Vorgabe 1, mindestens 0)</translation>
    </message>
    <message>
        <source>first pixel column to the last (default 4, at least 0.1)</source>
        <translation>erste Pixelspalte bis zur letzten (Vorgabe 4, mindestens 0.1)</translation>
    </message>
    <message>
        <source>print the line &quot;File: ...  Folder: ...  Var: ...&quot;</source>
        <translation>die Zeile „Datei: ...  Ordner: ...  Var: ...“ drucken</translation>
    </message>
    <message>
        <source>print the comment line</source>
        <translation>die Kommentarzeile drucken</translation>
    </message>
    <message>
        <source>Sends the picture to the calculator as the variable the file names, or FOLDER\NAME
(FOLDER\ may be left out: main). The calculator is the picture&apos;s unless --calc names it.</source>
        <translation>Sendet das Bild als die Variable, die die Datei nennt, oder als FOLDER\NAME an den
Taschenrechner (FOLDER\ kann entfallen: main). Der Taschenrechner ist der des Bildes,
sofern --calc keinen nennt.</translation>
    </message>
    <message>
        <source>send the file to the calculator</source>
        <translation>die Datei an den Taschenrechner senden</translation>
    </message>
    <message>
        <source>the variable to send it as</source>
        <translation>die Variable, als die sie gesendet wird</translation>
    </message>
    <message>
        <source>Lists the calculator&apos;s variables, one a line: folder\name, type and size in bytes,
separated by tabs.</source>
        <translation>Listet die Variablen des Taschenrechners auf, eine je Zeile: Ordner\Name, Typ und Größe
in Bytes, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>list the calculator&apos;s variables</source>
        <translation>die Variablen des Taschenrechners auflisten</translation>
    </message>
    <message>
        <source>Receives the picture variable FOLDER\NAME and writes it as OUT: a calculator picture
(.89i, .9xi, .v2i, .92i) or an image (.png, .bmp, .pbm) by OUT&apos;s ending.</source>
        <translation>Empfängt die Bildvariable FOLDER\NAME und schreibt sie als OUT: ein Taschenrechnerbild
(.89i, .9xi, .v2i, .92i) oder ein Bild (.png, .bmp, .pbm) je nach Endung von OUT.</translation>
    </message>
    <message>
        <source>the picture variable to receive</source>
        <translation>die zu empfangende Bildvariable</translation>
    </message>
    <message>
        <source>Captures the calculator&apos;s screen as a picture: the part a TI-89 shows (160 x 100)
or, with --full, the whole LCD (240 x 128); OUT as for --receive.</source>
        <translation>Nimmt den Bildschirm des Taschenrechners als Bild auf: den Teil, den ein TI-89 zeigt
(160 x 100), oder mit --full das ganze LCD (240 x 128); OUT wie bei --receive.</translation>
    </message>
    <message>
        <source>capture the screen</source>
        <translation>den Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>the whole LCD</source>
        <translation>das ganze LCD</translation>
    </message>
    <message>
        <source>With a file: lists the group&apos;s variables as --list does the calculator&apos;s.</source>
        <translation>Mit einer Datei: listet die Variablen der Gruppe auf wie --list die des Taschenrechners.</translation>
    </message>
    <message>
        <source>list the group&apos;s variables</source>
        <translation>die Variablen der Gruppe auflisten</translation>
    </message>
    <message>
        <source>Adds the picture to the group file, as its own variable or --var, in place of a
variable of the same folder\name; every other variable stays as it was. A group
that is not there is made.</source>
        <translation>Fügt das Bild der Gruppendatei hinzu, als seine eigene Variable oder --var, anstelle
einer Variablen mit demselben Ordner\Namen; alle anderen Variablen bleiben, wie sie
waren. Eine fehlende Gruppe wird angelegt.</translation>
    </message>
    <message>
        <source>add the picture to the group</source>
        <translation>das Bild der Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>the variable to store it as</source>
        <translation>die Variable, als die es gespeichert wird</translation>
    </message>
    <message>
        <source>Writes a group file of the pictures (.89g, .92g, .9xg, .v2g by the calculator, or a
TIGroup .tig), each under its own folder\name; a later one of the same name replaces
an earlier one.</source>
        <translation>Schreibt eine Gruppendatei der Bilder (.89g, .92g, .9xg, .v2g je nach Taschenrechner
oder eine TIGroup .tig), jedes unter seinem eigenen Ordner\Namen; ein späteres mit
demselben Namen ersetzt ein früheres.</translation>
    </message>
    <message>
        <source>the group file to write</source>
        <translation>die zu schreibende Gruppendatei</translation>
    </message>
    <message>
        <source>usage: dotlark-convert %1</source>
        <translation>Aufruf: dotlark-convert %1</translation>
    </message>
    <message>
        <source>the output must end in .89i, .9xi, .v2i, .92i, .png, .bmp or .pbm</source>
        <translation>die Ausgabe muss auf .89i, .9xi, .v2i, .92i, .png, .bmp oder .pbm enden</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>nichts zu tun</translation>
    </message>
    <message>
        <source>wrong number of files</source>
        <translation>falsche Anzahl von Dateien</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>IMAGE is any picture file the editor imports: BMP (also run-length encoded, as .rle),
ICO, GIF, JPEG, PNG, WMF, or netpbm&apos;s PBM, PGM and PPM (plain or raw), recognised by
its content. The output type follows the output file&apos;s extension. Output files are
written whole or not at all, never over an input (under any name or link), and not
over a file that another program changed while the tool worked.
A lone - is a file named -; put -- before file names that begin with -.</source>
        <translation>IMAGE ist jede Bilddatei, die der Editor importiert: BMP (auch lauflängenkodiert, als
.rle), ICO, GIF, JPEG, PNG, WMF oder PBM, PGM und PPM von netpbm (einfach oder roh),
erkannt an ihrem Inhalt. Der Ausgabetyp folgt der Endung der Ausgabedatei.
Ausgabedateien werden ganz oder gar nicht geschrieben, nie über eine Eingabe (unter
keinem Namen oder Link) und nicht über eine Datei, die ein anderes Programm geändert
hat, während das Werkzeug arbeitete.
Ein einzelnes - ist eine Datei namens -; setzen Sie -- vor Dateinamen, die mit - beginnen.</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 an input refused or unreadable, a picture that cannot be
printed, an output unwritable (the message names the file) or a file name that is
not valid UTF-8; 2 wrong usage
(including an option&apos;s value out of its range; the message names the option).</source>
        <translation>Rückgabewert: 0 erledigt; 1 eine Eingabe abgelehnt oder unlesbar, ein Bild, das sich
nicht drucken lässt, eine Ausgabe nicht schreibbar (die Meldung nennt die Datei) oder
ein Dateiname, der kein gültiges UTF-8 ist; 2 falscher Aufruf
(auch der Wert einer Option außerhalb ihres Bereichs; die Meldung nennt die Option).</translation>
    </message>
    <message>
        <source>%1 do not go together</source>
        <translation>%1 passen nicht zusammen</translation>
    </message>
    <message>
        <source>%1 does not go with this command</source>
        <translation>%1 passt nicht zu diesem Befehl</translation>
    </message>
    <message>
        <source>is the same file as %1; an output never replaces its input</source>
        <translation>ist dieselbe Datei wie %1; eine Ausgabe ersetzt nie ihre Eingabe</translation>
    </message>
    <message>
        <source>the group holds no light/dark pair of pictures (two pictures of one size in one folder, named NAMEl and NAMEd)</source>
        <translation>die Gruppe enthält kein Hell/Dunkel-Paar von Bildern (zwei gleich große Bilder in einem Ordner, genannt NAMEl und NAMEd)</translation>
    </message>
    <message>
        <source>the group holds %1 light/dark pairs: name one with --var FOLDER\NAME (the name without its l or d)</source>
        <translation>die Gruppe enthält %1 Hell/Dunkel-Paare: nennen Sie eines mit --var FOLDER\NAME (der Name ohne sein l oder d)</translation>
    </message>
    <message>
        <source>the group holds no light/dark pair %1l and %1d</source>
        <translation>die Gruppe enthält kein Hell/Dunkel-Paar %1l und %1d</translation>
    </message>
    <message>
        <source>a light/dark pair is written as a PNG or BMP image of four grey levels</source>
        <translation>ein Hell/Dunkel-Paar wird als PNG- oder BMP-Bild mit vier Graustufen geschrieben</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>is there and is not a calculator picture: the planes of four grey levels replace only picture files (the file is left as it is)</source>
        <translation>ist vorhanden und kein Taschenrechnerbild: die Ebenen von vier Graustufen ersetzen nur Bilddateien (die Datei bleibt, wie sie ist)</translation>
    </message>
    <message>
        <source>with an 8-character variable name (%1) the comment is not stored</source>
        <translation>bei einem Variablennamen aus 8 Zeichen (%1) wird der Kommentar nicht gespeichert</translation>
    </message>
    <message>
        <source>four grey levels were written as the light plane %1 and the dark plane %2</source>
        <translation>die vier Graustufen wurden als helle Ebene %1 und dunkle Ebene %2 geschrieben</translation>
    </message>
    <message>
        <source>the group holds no picture</source>
        <translation>die Gruppe enthält kein Bild</translation>
    </message>
    <message>
        <source>the group holds %1 pictures: name one with --var FOLDER\NAME (--list shows them)</source>
        <translation>die Gruppe enthält %1 Bilder: nennen Sie eines mit --var FOLDER\NAME (--list zeigt sie)</translation>
    </message>
    <message>
        <source>the group holds no picture variable %1</source>
        <translation>die Gruppe enthält keine Bildvariable %1</translation>
    </message>
    <message>
        <source>%1 replaces the variable %2</source>
        <translation>%1 ersetzt die Variable %2</translation>
    </message>
    <message>
        <source>the group must end in %1</source>
        <translation>die Gruppe muss auf %1 enden</translation>
    </message>
    <message>
        <source>--group takes a file ending in %1</source>
        <translation>--group nimmt eine Datei, die auf %1 endet</translation>
    </message>
    <message>
        <source>--cable takes %1</source>
        <translation>--cable nimmt %1</translation>
    </message>
    <message>
        <source>--calc takes %1</source>
        <translation>--calc nimmt %1</translation>
    </message>
    <message>
        <source>--port takes 1 to 4</source>
        <translation>--port nimmt 1 bis 4</translation>
    </message>
    <message>
        <source>--timeout takes 1 to 600 seconds</source>
        <translation>--timeout nimmt 1 bis 600 Sekunden</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 von %2 Bytes</translation>
    </message>
    <message>
        <source>%1 (default: the editor&apos;s link settings, else auto: the USB cable found)</source>
        <translation>%1 (Vorgabe: die Verbindungseinstellungen des Editors, sonst auto: das gefundene USB-Kabel)</translation>
    </message>
    <message>
        <source>the cable&apos;s port, 1-4 (default: the editor&apos;s, else 1; 2 with tiemu, the emulator&apos;s link)</source>
        <translation>der Anschluss des Kabels, 1-4 (Vorgabe: der des Editors, sonst 1; 2 mit tiemu, der Verbindung des Emulators)</translation>
    </message>
    <message>
        <source>%1 (default: the editor&apos;s, else the picture&apos;s calculator, else auto)</source>
        <translation>%1 (Vorgabe: der des Editors, sonst der Taschenrechner des Bildes, sonst auto)</translation>
    </message>
    <message>
        <source>seconds the cable waits for each answer, 1-600 (default: the editor&apos;s, else 2)</source>
        <translation>Sekunden, die das Kabel auf jede Antwort wartet, 1-600 (Vorgabe: die des Editors, sonst 2)</translation>
    </message>
    <message>
        <source>cannot be sent: no temporary file can be written</source>
        <translation>kann nicht gesendet werden: keine temporäre Datei kann geschrieben werden</translation>
    </message>
    <message>
        <source>sending %1 as %2...</source>
        <translation>sende %1 als %2...</translation>
    </message>
    <message>
        <source>sent %1 as %2</source>
        <translation>%1 als %2 gesendet</translation>
    </message>
    <message>
        <source>reading the calculator&apos;s variables...</source>
        <translation>lese die Variablen des Taschenrechners...</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>receiving %1...</source>
        <translation>empfange %1...</translation>
    </message>
    <message>
        <source>received %1</source>
        <translation>%1 empfangen</translation>
    </message>
    <message>
        <source>capturing the calculator&apos;s screen...</source>
        <translation>nehme den Bildschirm des Taschenrechners auf...</translation>
    </message>
    <message>
        <source>captured the calculator&apos;s screen</source>
        <translation>Bildschirm des Taschenrechners aufgenommen</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters</source>
        <translation>%1 nimmt höchstens %2 Zeichen</translation>
    </message>
    <message>
        <source>with an 8-character variable name the comment is not stored</source>
        <translation>bei einem Variablennamen aus 8 Zeichen wird der Kommentar nicht gespeichert</translation>
    </message>
    <message>
        <source>cannot be read as a picture: %1</source>
        <translation>kann nicht als Bild gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 is damaged: it ends before its picture does; the part that could be read is imported</source>
        <translation>%1 ist beschädigt: die Datei endet vor ihrem Bild; der lesbare Teil wird importiert</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>--dither takes fs or atkinson, not &quot;%1&quot;</source>
        <translation>--dither nimmt fs oder atkinson, nicht „%1“</translation>
    </message>
    <message>
        <source>--gray takes 2 or 4, not &quot;%1&quot;</source>
        <translation>--gray nimmt 2 oder 4, nicht „%1“</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT of a picture the calculator can hold, not &quot;%1&quot;</source>
        <translation>--size nimmt BREITExHÖHE eines Bildes, das der Taschenrechner fassen kann, nicht „%1“</translation>
    </message>
    <message>
        <source>a scaled import into a group takes --gray 4</source>
        <translation>ein skalierter Import in eine Gruppe verlangt --gray 4</translation>
    </message>
    <message>
        <source>agrees</source>
        <translation>stimmt</translation>
    </message>
    <message>
        <source>disagrees</source>
        <translation>stimmt nicht</translation>
    </message>
    <message>
        <source>folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>calculator:</source>
        <translation>Taschenrechner:</translation>
    </message>
    <message>
        <source>signature:</source>
        <translation>Signatur:</translation>
    </message>
    <message>
        <source>type byte:</source>
        <translation>Typbyte:</translation>
    </message>
    <message>
        <source>file length:</source>
        <translation>Dateilänge:</translation>
    </message>
    <message>
        <source>data length:</source>
        <translation>Datenlänge:</translation>
    </message>
    <message>
        <source>tag byte:</source>
        <translation>Kennbyte:</translation>
    </message>
    <message>
        <source>checksum:</source>
        <translation>Prüfsumme:</translation>
    </message>
    <message>
        <source>%1 takes %2, not &quot;%3&quot;</source>
        <translation>%1 nimmt %2, nicht „%3“</translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT of a picture the calculator can hold, then +tl, +t, +tr, +l, +c, +r, +bl, +b or +br</source>
        <translation>BREITExHÖHE eines Bildes, das der Taschenrechner fassen kann, dann +tl, +t, +tr, +l, +c, +r, +bl, +b oder +br</translation>
    </message>
    <message>
        <source>canvas size; A where the picture stays: tl (default), t, tr, l, c, r, bl, b, br</source>
        <translation>Größe der Leinwand; A, wo das Bild bleibt: tl (Vorgabe), t, tr, l, c, r, bl, b, br</translation>
    </message>
    <message>
        <source>flip left to right (h) or top to bottom (v)</source>
        <translation>von links nach rechts (h) oder von oben nach unten (v) spiegeln</translation>
    </message>
    <message>
        <source>rotate clockwise by so many degrees</source>
        <translation>um so viele Grad im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>swap black and white</source>
        <translation>Schwarz und Weiß vertauschen</translation>
    </message>
    <message>
        <source>1..16: each pixel a square of N x N (default 1)</source>
        <translation>1..16: jedes Pixel ein Quadrat von N x N (Vorgabe 1)</translation>
    </message>
    <message>
        <source>h or v</source>
        <translation>h oder v</translation>
    </message>
    <message>
        <source>90, 180 or 270</source>
        <translation>90, 180 oder 270</translation>
    </message>
    <message>
        <source>a whole number from 1 to 16</source>
        <translation>eine ganze Zahl von 1 bis 16</translation>
    </message>
    <message>
        <source>%1 takes a number of inches, not &quot;%2&quot;</source>
        <translation>%1 nimmt eine Zahl in Zoll, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 must be at least %2 inches, not %3</source>
        <translation>%1 muss mindestens %2 Zoll sein, nicht %3</translation>
    </message>
    <message>
        <source>more than %1 inches</source>
        <translation>mehr als %1 Zoll</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <source>--left %1 and --width %2 put the picture off the page: its last column would start %3 from the page&apos;s left edge, and the page is %4 wide</source>
        <translation>--left %1 und --width %2 legen das Bild außerhalb der Seite: seine letzte Spalte begänne %3 vom linken Seitenrand, und die Seite ist %4 breit</translation>
    </message>
    <message>
        <source>--top %1 and --width %2 put the picture off the page: its last row would start %3 from the page&apos;s top edge, and the page is %4 tall</source>
        <translation>--top %1 und --width %2 legen das Bild außerhalb der Seite: seine letzte Zeile begänne %3 von der Seitenoberkante, und die Seite ist %4 hoch</translation>
    </message>
    <message>
        <source>the --print-pdf output must end in .pdf</source>
        <translation>die Ausgabe von --print-pdf muss auf .pdf enden</translation>
    </message>
    <message>
        <source>cannot be printed: a picture must be at least 2 pixels wide</source>
        <translation>kann nicht gedruckt werden: ein Bild muss mindestens 2 Pixel breit sein</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>--sprite takes 8, 16, 32 or x8, not &quot;%1&quot;</source>
        <translation>--sprite nimmt 8, 16, 32 oder x8, nicht „%1“</translation>
    </message>
    <message>
        <source>--transparent takes white, light, dark or black, not &quot;%1&quot;</source>
        <translation>--transparent nimmt white, light, dark oder black, nicht „%1“</translation>
    </message>
    <message>
        <source>--transparent goes with --mask</source>
        <translation>--transparent gehört zu --mask</translation>
    </message>
    <message>
        <source>rows of 8, 16 or 32 pixels, or of bytes for SpriteX8</source>
        <translation>Zeilen aus 8, 16 oder 32 Pixeln oder aus Bytes für SpriteX8</translation>
    </message>
    <message>
        <source>add a mask plane: set where the picture is not white</source>
        <translation>eine Maskenebene hinzufügen: gesetzt, wo das Bild nicht weiß ist</translation>
    </message>
    <message>
        <source>white, light, dark or black: the level the mask leaves out (default white)</source>
        <translation>white, light, dark oder black: die Stufe, die die Maske auslässt (Vorgabe white)</translation>
    </message>
    <message>
        <source>one array with each row&apos;s planes in turn (light, dark[, mask])</source>
        <translation>ein Array mit den Ebenen jeder Zeile im Wechsel (hell, dunkel[, Maske])</translation>
    </message>
    <message>
        <source>the group&apos;s pair NAMEl and NAMEd (FOLDER\ may be left out: main)</source>
        <translation>das Paar NAMEl und NAMEd der Gruppe (FOLDER\ kann entfallen: main)</translation>
    </message>
    <message>
        <source>--var goes with a group</source>
        <translation>--var gehört zu einer Gruppe</translation>
    </message>
    <message>
        <source>dotlark-convert: %1
Try &apos;dotlark-convert --help&apos;.</source>
        <translation>dotlark-convert: %1
Versuchen Sie „dotlark-convert --help“.</translation>
    </message>
    <message>
        <source>dotlark-convert: note: %1</source>
        <translation>dotlark-convert: Hinweis: %1</translation>
    </message>
    <message>
        <source>a calculator name has at most 8 characters</source>
        <translation>ein Taschenrechnername hat höchstens 8 Zeichen</translation>
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
        <translation>Aufruf: dotlark [BILD]
        dotlark --help | --version

Öffnet den Editor für Bilder von TI-89, TI-92, TI-92 Plus und Voyage 200
(.89i, .92i, .9xi, .v2i) und liest BILD, wenn eines genannt ist. Die Wörter nach
den Optionen werden mit Leerzeichen zu einem Dateinamen verbunden, und ein Paar
gerader Anführungszeichen darum wird entfernt. Setzen Sie -- vor einen Namen, der
mit „-“ beginnt; ein einzelnes - ist eine Datei namens -.

  --help     diesen Text zeigen und beenden
  --version  Version und Lizenz zeigen und beenden

dotlark-convert --help beschreibt das Kommandozeilenwerkzeug.</translation>
    </message>
    <message>
        <source>dotlark: unknown option &apos;%1&apos;
Try &apos;dotlark --help&apos;.</source>
        <translation>dotlark: unbekannte Option „%1“
Versuchen Sie „dotlark --help“.</translation>
    </message>
    <message>
        <source>dotlark: there is no display to show the editor on: %1.
Run it from a desktop session, or under a virtual display: xvfb-run -a dotlark</source>
        <translation>dotlark: es gibt keine Anzeige, auf der der Editor erscheinen kann: %1.
Starten Sie ihn aus einer Desktop-Sitzung oder unter einer virtuellen Anzeige: xvfb-run -a dotlark</translation>
    </message>
    <message>
        <source>the window system could not be reached</source>
        <translation>das Fenstersystem war nicht erreichbar</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
</context>
<context>
    <name>LinkSession</name>
    <message>
        <source>no USB link cable was found (plug in the SilverLink or the TI-89 Titanium&apos;s cable, or choose the cable)</source>
        <translation>kein USB-Verbindungskabel gefunden (stecken Sie das SilverLink oder das Kabel des TI-89 Titanium ein, oder wählen Sie das Kabel)</translation>
    </message>
    <message>
        <source>the USB cables cannot be listed: %1</source>
        <translation>die USB-Kabel können nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <source>error %1 of the link library</source>
        <translation>Fehler %1 der Verbindungsbibliothek</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (Fehler %2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1; if the calculator shows an error, press ESC on it and try again</source>
        <translation>%1; wenn der Taschenrechner einen Fehler zeigt, drücken Sie dort ESC und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>there is no cable called &quot;%1&quot;</source>
        <translation>es gibt kein Kabel namens „%1“</translation>
    </message>
    <message>
        <source>the cable is busy: another transfer is using it (wait until it ends, then try again)</source>
        <translation>das Kabel ist belegt: eine andere Übertragung nutzt es (warten Sie, bis sie endet, und versuchen Sie es dann erneut)</translation>
    </message>
    <message>
        <source>the cable cannot be opened: %1</source>
        <translation>das Kabel kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>%1; the cable is there but this user may not use it: the udev rules of the libticables2 package allow the members of the plugdev group (sudo adduser $USER plugdev, then log in again)</source>
        <translation>%1; das Kabel ist da, aber dieser Benutzer darf es nicht nutzen: die udev-Regeln des Pakets libticables2 erlauben es den Mitgliedern der Gruppe plugdev (sudo adduser $USER plugdev, dann neu anmelden)</translation>
    </message>
    <message>
        <source>no emulator is running with its link on (start TiEmu with the TiEmu cable set up)</source>
        <translation>kein Emulator läuft mit eingeschalteter Verbindung (starten Sie TiEmu mit eingerichtetem TiEmu-Kabel)</translation>
    </message>
    <message>
        <source>the cable cannot be used on port %1</source>
        <translation>das Kabel kann an Anschluss %1 nicht genutzt werden</translation>
    </message>
    <message>
        <source>there is no calculator called &quot;%1&quot;</source>
        <translation>es gibt keinen Taschenrechner namens „%1“</translation>
    </message>
    <message>
        <source>no calculator answers on the cable: %1</source>
        <translation>kein Taschenrechner antwortet am Kabel: %1</translation>
    </message>
    <message>
        <source>the calculator cannot be handled</source>
        <translation>der Taschenrechner kann nicht angesteuert werden</translation>
    </message>
    <message>
        <source>the calculator does not answer (is it on, at its home screen with no error shown (press ESC), and the cable plugged in?): %1</source>
        <translation>der Taschenrechner antwortet nicht (ist er eingeschaltet, auf seinem Hauptbildschirm ohne angezeigten Fehler (ESC drücken) und das Kabel eingesteckt?): %1</translation>
    </message>
    <message>
        <source>the picture was not sent</source>
        <translation>das Bild wurde nicht gesendet</translation>
    </message>
    <message>
        <source>the calculator&apos;s variables cannot be listed</source>
        <translation>die Variablen des Taschenrechners können nicht aufgelistet werden</translation>
    </message>
    <message>
        <source>the variable %1 was not received</source>
        <translation>die Variable %1 wurde nicht empfangen</translation>
    </message>
    <message>
        <source>the screen was not received</source>
        <translation>der Bildschirm wurde nicht empfangen</translation>
    </message>
    <message>
        <source>usage: dotlark-link send FILE | list | receive FOLDER NAME OUT | screen full|clipped
       [--cable auto|silverlink|directlink|blacklink|graylink|parallel|tiemu|null]
       [--port 1-4] [--calc auto|ti89|ti89t|ti92|ti92+|v200] [--timeout SECONDS]
(used by DOTLARK to talk to the calculator)</source>
        <translation>Aufruf: dotlark-link send FILE | list | receive FOLDER NAME OUT | screen full|clipped
       [--cable auto|silverlink|directlink|blacklink|graylink|parallel|tiemu|null]
       [--port 1-4] [--calc auto|ti89|ti89t|ti92|ti92+|v200] [--timeout SECONDS]
(von DOTLARK benutzt, um mit dem Taschenrechner zu sprechen)</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>there is not enough memory to convert the picture</source>
        <translation>es ist nicht genug Speicher da, um das Bild umzuwandeln</translation>
    </message>
    <message>
        <source>there is not enough memory to read the picture</source>
        <translation>es ist nicht genug Speicher da, um das Bild zu lesen</translation>
    </message>
    <message>
        <source>reading the picture needs more than the %1 MB of memory this reader may use</source>
        <translation>das Lesen des Bildes braucht mehr als die %1 MB Speicher, die dieses Leseprogramm nutzen darf</translation>
    </message>
    <message>
        <source>usage: dotlark-decode FILE [--cover WxH] [--top-left WxH] (used by DOTLARK to read pictures)</source>
        <translation>Aufruf: dotlark-decode FILE [--cover WxH] [--top-left WxH] (von DOTLARK benutzt, um Bilder zu lesen)</translation>
    </message>
    <message>
        <source>dotlark-decode: this is DOTLARK&apos;s picture reader. dotlark and dotlark-convert run it and read
its binary answer through a pipe; it writes no files. To convert a picture, use dotlark-convert.</source>
        <translation>dotlark-decode: dies ist das Bildleseprogramm von DOTLARK. dotlark und dotlark-convert starten es
und lesen seine binäre Antwort über eine Pipe; es schreibt keine Dateien. Um ein Bild umzuwandeln,
benutzen Sie dotlark-convert.</translation>
    </message>
</context>
</TS>
