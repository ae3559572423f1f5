<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About DOTLARK</source>
        <translation>Über DOTLARK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>by the DOTLARK developers</source>
        <translation>von den DOTLARK-Entwicklern</translation>
    </message>
    <message>
        <source>The DOTLARK Project</source>
        <translation>Das DOTLARK-Projekt</translation>
    </message>
    <message>
        <source>November &apos;98</source>
        <translation>November ’98</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 2 or later</source>
        <translation>Freie Software unter der GNU GPL, Version 2 oder neuer</translation>
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
        <translation>Der Kommentar wurde mit „?“ anstelle von %1 gespeichert, da der Zeichensatz des Taschenrechners diese Zeichen nicht enthält.</translation>
    </message>
</context>
<context>
    <name>CalculatorCommands</name>
    <message>
        <source>This editor has no calculator link.</source>
        <translation>Dieser Editor hat keine Verbindung zum Taschenrechner.</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.</source>
        <translation>%1 wurde nicht an den Taschenrechner gesendet.</translation>
    </message>
    <message>
        <source>The calculator already holds %1. Replace it with this picture?</source>
        <translation>Der Taschenrechner enthält bereits %1. Durch dieses Bild ersetzen?</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator: its copy for the link cannot be written.<byte value="xd"/>%2</source>
        <translation>%1 wurde nicht an den Taschenrechner gesendet: Die Kopie für die Verbindung kann nicht geschrieben werden.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1 was sent to %2.</source>
        <translation>%1 wurde an %2 gesendet.</translation>
    </message>
    <message>
        <source>%1 and %2 were not sent to the calculator.</source>
        <translation>%1 und %2 wurden nicht an den Taschenrechner gesendet.</translation>
    </message>
    <message>
        <source>%1 was sent to the calculator, %2 was not.</source>
        <translation>%1 wurde an den Taschenrechner gesendet, %2 nicht.</translation>
    </message>
    <message>
        <source>%1 Its copy for the link cannot be written.<byte value="xd"/>%2</source>
        <translation>%1 Die Kopie für die Verbindung kann nicht geschrieben werden.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1 and %2 were sent to %3.</source>
        <translation>%1 und %2 wurden an %3 gesendet.</translation>
    </message>
    <message>
        <source>The picture has not been saved. Replace it with a picture from the calculator?</source>
        <translation>Das Bild wurde nicht gespeichert. Durch ein Bild vom Taschenrechner ersetzen?</translation>
    </message>
    <message>
        <source>No picture was received from the calculator.</source>
        <translation>Vom Taschenrechner wurde kein Bild empfangen.</translation>
    </message>
    <message>
        <source>The calculator holds no pictures.</source>
        <translation>Der Taschenrechner enthält keine Bilder.</translation>
    </message>
    <message>
        <source>%1 is not a picture: it cannot be opened.</source>
        <translation>%1 ist kein Bild: Es kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 was not received from the calculator.</source>
        <translation>%1 wurde nicht vom Taschenrechner empfangen.</translation>
    </message>
    <message>
        <source>TI-89 DOTLARK: Receive into Group</source>
        <translation>TI-89 DOTLARK: In eine Gruppe empfangen</translation>
    </message>
    <message>
        <source>No group was written: %1 was not received from the calculator.</source>
        <translation>Es wurde keine Gruppe geschrieben: %1 wurde nicht vom Taschenrechner empfangen.</translation>
    </message>
    <message>
        <source>No group was written.</source>
        <translation>Es wurde keine Gruppe geschrieben.</translation>
    </message>
    <message>
        <source>%1 pictures were received into %2.</source>
        <translation>%1 Bilder wurden in %2 empfangen.</translation>
    </message>
    <message>
        <source>The picture has not been saved. Replace it with the calculator&apos;s screen?</source>
        <translation>Das Bild wurde nicht gespeichert. Durch den Bildschirm des Taschenrechners ersetzen?</translation>
    </message>
    <message>
        <source>The calculator&apos;s screen was not captured.</source>
        <translation>Der Bildschirm des Taschenrechners wurde nicht aufgenommen.</translation>
    </message>
    <message>
        <source>The calculator&apos;s list of variables cannot be trusted (%1), so DOTLARK cannot tell whether it holds %2. Send anyway?</source>
        <translation>Der Liste der Variablen des Taschenrechners ist nicht zu trauen (%1), daher kann DOTLARK nicht sagen, ob er %2 enthält. Trotzdem senden?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>CalculatorPictures</name>
    <message>
        <source>it is not a picture variable</source>
        <translation>es ist keine Bildvariable</translation>
    </message>
</context>
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
        <source>rows of 8, 16 or 32 pixels, or of bytes for SpriteX8</source>
        <translation>Zeilen aus 8, 16 oder 32 Pixeln oder aus Bytes für SpriteX8</translation>
    </message>
    <message>
        <source>white, light, dark or black: the level the mask leaves out (default white)</source>
        <translation>white, light, dark oder black: die Stufe, die die Maske auslässt (Vorgabe white)</translation>
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
    <message>
        <source>Writes a group file of the pictures (.89g, .92g, .9xg, .v2g by the calculator, or a
TIGroup .tig), each under its own folder\name; two pictures of one folder\name are
refused (name them apart with --name first).</source>
        <translation>Schreibt eine Gruppendatei der Bilder (.89g, .92g, .9xg, .v2g je nach Taschenrechner, oder eine
TIGroup .tig), jedes unter seinem eigenen Ordner\Namen; zwei Bilder mit demselben Ordner\Namen
werden abgelehnt (vorher mit --name verschieden benennen).</translation>
    </message>
    <message>
        <source>holds %1, as %2 does: a group holds one variable of each name. Name them apart first (dotlark-convert IN.89i OUT.89i --name NAME), then group the files made.</source>
        <translation>enthält %1 wie %2: Eine Gruppe enthält von jedem Namen nur eine Variable. Zuerst verschieden benennen (dotlark-convert IN.89i OUT.89i --name NAME), dann die so erzeugten Dateien gruppieren.</translation>
    </message>
    <message>
        <source>the value of %1 is not valid UTF-8 text: &quot;%2&quot;</source>
        <translation>der Wert von %1 ist kein gültiger UTF-8-Text: „%2“</translation>
    </message>
    <message>
        <source>the image would be %1 x %2 pixels, more than the %3 pixels written at most</source>
        <translation>das Bild hätte %1 x %2 Pixel, mehr als die höchstens %3 geschriebenen Pixel</translation>
    </message>
    <message>
        <source>Sends every picture of the group file (.89g, .92g, .9xg, .v2g, .tig) to the calculator,
each as the variable it is in the group, in one session. The calculator is the group&apos;s
unless --calc names it.</source>
        <translation>Sendet jedes Bild der Gruppendatei (.89g, .92g, .9xg, .v2g, .tig) an den Taschenrechner,
jedes als die Variable, die es in der Gruppe ist, in einer Sitzung. Der Taschenrechner ist
der der Gruppe, außer --calc nennt ihn.</translation>
    </message>
    <message>
        <source>send the group&apos;s pictures to the calculator</source>
        <translation>die Bilder der Gruppe an den Taschenrechner senden</translation>
    </message>
    <message>
        <source>the calculator answered as %1</source>
        <translation>der Taschenrechner hat als %1 geantwortet</translation>
    </message>
    <message>
        <source>the calculator did not say which it is: taken for %1, the one last used on this cable or the picture&apos;s</source>
        <translation>der Taschenrechner hat nicht gesagt, welcher er ist: genommen für %1, den zuletzt an diesem Kabel benutzten oder den des Bildes</translation>
    </message>
    <message>
        <source>sent %1</source>
        <translation>%1 gesendet</translation>
    </message>
    <message>
        <source>sending the pictures of %1...</source>
        <translation>die Bilder von %1 werden gesendet...</translation>
    </message>
    <message>
        <source>--mask-bits takes and or or, not &quot;%1&quot;</source>
        <translation>--mask-bits nimmt and oder or, nicht „%1“</translation>
    </message>
    <message>
        <source>--transparent and --mask-bits go with --mask</source>
        <translation>--transparent und --mask-bits gehören zu --mask</translation>
    </message>
    <message>
        <source>add a mask plane telling where the picture is transparent (white)</source>
        <translation>fügt eine Maskenebene hinzu, die sagt, wo das Bild durchsichtig ist (weiß)</translation>
    </message>
    <message>
        <source>and: 1 = transparent, for AND-ing into the screen (the default); or: 1 = opaque</source>
        <translation>and: 1 = durchsichtig, per UND in den Bildschirm (die Vorgabe); or: 1 = deckend</translation>
    </message>
    <message>
        <source>one array with each row&apos;s planes in turn ([mask,] light, dark)</source>
        <translation>ein Array mit den Ebenen jeder Zeile nacheinander ([Maske,] hell, dunkel)</translation>
    </message>
    <message>
        <source>a sheet: every tile of W x H pixels, read left to right then down, as name[N][H]</source>
        <translation>ein Bogen: jede Kachel von B x H Pixeln, von links nach rechts, dann nach unten gelesen, als name[N][H]</translation>
    </message>
    <message>
        <source>with --tiles: the tiles&apos; names, in order, for an enum of their indices</source>
        <translation>mit --tiles: die Namen der Kacheln der Reihe nach, für ein enum ihrer Indizes</translation>
    </message>
    <message>
        <source>--tiles takes a size such as 16x16, not &quot;%1&quot;</source>
        <translation>--tiles nimmt eine Größe wie 16x16, nicht „%1“</translation>
    </message>
    <message>
        <source>--names goes with --tiles</source>
        <translation>--names gehört zu --tiles</translation>
    </message>
    <message>
        <source>Writes a sprite of C source (arrays of 8, 16 or 32-bit integers, one row an element,
as --sprite writes them or by hand) as OUT: a calculator picture or an image (.png,
.bmp, .pbm) by OUT&apos;s ending. A sheet (NAME[N][H]) comes out as its tiles, as many a
row as its comment says, else all in one row. A grey sprite (NAME_light and
NAME_dark) is written as a PNG or BMP image of four levels, a group of its two planes,
or as OUTl.89i and OUTd.89i. --var may be left out when the file holds one sprite.</source>
        <translation>Schreibt ein Sprite aus C-Quelltext (Arrays aus 8-, 16- oder 32-Bit-Ganzzahlen, eine Zeile
je Element, wie --sprite sie schreibt oder von Hand) als OUT: ein Taschenrechnerbild oder
ein Bild (.png, .bmp, .pbm) je nach Endung von OUT. Ein Bogen (NAME[N][H]) ergibt seine
Kacheln, so viele je Reihe, wie sein Kommentar sagt, sonst alle in einer Reihe. Ein
graues Sprite (NAME_light und NAME_dark) wird als PNG- oder BMP-Bild mit vier Stufen, als
Gruppe seiner zwei Ebenen oder als OUTl.89i und OUTd.89i geschrieben. --var kann
entfallen, wenn die Datei ein einziges Sprite enthält.</translation>
    </message>
    <message>
        <source>the sprite to write, by the name --list shows</source>
        <translation>das zu schreibende Sprite, unter dem Namen, den --list zeigt</translation>
    </message>
    <message>
        <source>Lists the arrays of C source that could be sprites, one a line: the name, the
element size, the length, the shape and the arrays it is made of, separated by
tabs; an array that is not a sprite says why. Notes go to standard error.</source>
        <translation>Listet die Arrays des C-Quelltexts, die Sprites sein können, eines je Zeile: den Namen,
die Elementgröße, die Länge, die Form und die Arrays, aus denen es besteht, durch
Tabulatoren getrennt; ein Array, das kein Sprite ist, sagt warum. Hinweise gehen auf die
Fehlerausgabe.</translation>
    </message>
    <message>
        <source>list the sprites of the C source</source>
        <translation>die Sprites des C-Quelltexts auflisten</translation>
    </message>
    <message>
        <source>Writes the picture (a calculator picture, or an image: four grey levels for a grey
sprite) into the sprite&apos;s arrays in the C source, in place: only the values that
change are written again, each as it was written (base, digits, case, suffix), and
every other byte of the file stays. The mask follows the pixels changed. A picture
of another size than the sprite is refused.</source>
        <translation>Schreibt das Bild (ein Taschenrechnerbild oder ein Bild: vier Graustufen für ein graues
Sprite) an Ort und Stelle in die Arrays des Sprites im C-Quelltext: nur die Werte, die
sich ändern, werden neu geschrieben, jeder so, wie er geschrieben war (Basis, Ziffern,
Groß- und Kleinschreibung, Suffix), und jedes andere Byte der Datei bleibt. Die Maske
folgt den geänderten Pixeln. Ein Bild anderer Größe als das Sprite wird abgelehnt.</translation>
    </message>
    <message>
        <source>write the picture into the sprite</source>
        <translation>das Bild in das Sprite schreiben</translation>
    </message>
    <message>
        <source>defines no array named %1 (--list shows them)</source>
        <translation>definiert kein Array namens %1 (--list zeigt sie)</translation>
    </message>
    <message>
        <source>defines no sprite (--list shows its arrays and why)</source>
        <translation>definiert kein Sprite (--list zeigt seine Arrays und warum)</translation>
    </message>
    <message>
        <source>defines %1 sprites: name one with --var NAME (--list shows them)</source>
        <translation>definiert %1 Sprites: eines mit --var NAME nennen (--list zeigt sie)</translation>
    </message>
    <message>
        <source>a sprite of four grey levels is written as a PNG or BMP image, a group or two picture files</source>
        <translation>ein Sprite mit vier Graustufen wird als PNG- oder BMP-Bild, als Gruppe oder als zwei Bilddateien geschrieben</translation>
    </message>
</context>
<context>
    <name>DecodeReply</name>
    <message>
        <source>the picture reader sent more than it announced</source>
        <translation>der Bildleser hat mehr gesendet als angekündigt</translation>
    </message>
    <message>
        <source>the picture reader announced a picture of %1 x %2 pixels</source>
        <translation>der Bildleser hat ein Bild von %1 x %2 Pixeln angekündigt</translation>
    </message>
    <message>
        <source>the picture reader announced a full size of %1 x %2 pixels</source>
        <translation>der Bildleser hat eine volle Größe von %1 x %2 Pixeln angekündigt</translation>
    </message>
    <message>
        <source>the picture reader ended without an answer (exit status %1)</source>
        <translation>der Bildleser endete ohne Antwort (Exit-Status %1)</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1 x %2 pixels</source>
        <translation>der Speicher reicht nicht für ein Bild von %1 x %2 Pixeln</translation>
    </message>
</context>
<context>
    <name>DeferredPrintDialog</name>
    <message>
        <source>The Print dialog cannot be loaded from %1:<byte value="xd"/>%2</source>
        <translation>Der Drucken-Dialog kann nicht aus %1 geladen werden:<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>DialogQuestions</name>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Recover the unsaved picture of %1 from %2?</source>
        <translation>Das ungespeicherte Bild „%1“ vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>DOTLARK ended without saving these pictures. Recover the one selected? The others are kept for a later start; Discard deletes all of them.</source>
        <translation>DOTLARK wurde beendet, ohne diese Bilder zu speichern. Das ausgewählte wiederherstellen? Die anderen bleiben für einen späteren Start erhalten; „Verwerfen“ löscht alle.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Die Zwischenablage enthält kein Bild.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s picture is %1 x %2 pixels, more than a picture file holds.</source>
        <translation>Das Bild in der Zwischenablage hat %1 x %2 Pixel, mehr als eine Bilddatei fasst.</translation>
    </message>
    <message>
        <source>The picture has not been saved. Replace it with the clipboard&apos;s picture?</source>
        <translation>Das Bild wurde nicht gespeichert. Durch das Bild aus der Zwischenablage ersetzen?</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG, four greys</source>
        <translation>PNG, vier Graustufen</translation>
    </message>
    <message>
        <source>PGM, four greys</source>
        <translation>PGM, vier Graustufen</translation>
    </message>
    <message>
        <source>BMP, four greys</source>
        <translation>BMP, vier Graustufen</translation>
    </message>
    <message>
        <source>Can&apos;t write the picture %1<byte value="xd"/>%2</source>
        <translation>Das Bild %1 kann nicht geschrieben werden<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>EditDialogs</name>
    <message>
        <source>TI-89 screen, 160 x 77</source>
        <translation>TI-89-Bildschirm, 160 x 77</translation>
    </message>
    <message>
        <source>TI-92 and Voyage 200 screen, 240 x 128</source>
        <translation>TI-92- und Voyage-200-Bildschirm, 240 x 128</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Leinwandgröße</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Vorgabe:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Anchor:</source>
        <translation>Anker:</translation>
    </message>
    <message>
        <source>Too large for a picture file.</source>
        <translation>Zu groß für eine Bilddatei.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>&amp;Scale (each pixel as a square of):</source>
        <translation>&amp;Maßstab (jedes Pixel als Quadrat von):</translation>
    </message>
    <message>
        <source>Tile Grid</source>
        <translation>Kachelraster</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>Tile &amp;width:</source>
        <translation>Kachel&amp;breite:</translation>
    </message>
    <message>
        <source>Tile &amp;height:</source>
        <translation>Kachel&amp;höhe:</translation>
    </message>
    <message>
        <source>The tiles of a sheet of sprites, read left to right, then down.</source>
        <translation>Die Kacheln eines Sprite-Bogens, von links nach rechts, dann nach unten gelesen.</translation>
    </message>
    <message>
        <source>&amp;No Grid</source>
        <translation>&amp;Kein Raster</translation>
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
    <name>ExitDialog</name>
    <message>
        <source>Unsaved picture!</source>
        <translation>Ungespeichertes Bild!</translation>
    </message>
    <message>
        <source>Picture NOT saved as 89i. Press either button...</source>
        <translation>Bild NICHT als 89i gespeichert. Wählen Sie...</translation>
    </message>
    <message>
        <source>  Quit Anyway</source>
        <translation>  Trotzdem beenden</translation>
    </message>
    <message>
        <source>Continue   Working</source>
        <translation>Weiter   arbeiten</translation>
    </message>
</context>
<context>
    <name>ExportSourceCommand</name>
    <message>
        <source>Export Source</source>
        <translation>Quelltext exportieren</translation>
    </message>
    <message>
        <source>C header</source>
        <translation>C-Header</translation>
    </message>
    <message>
        <source>C source</source>
        <translation>C-Quelltext</translation>
    </message>
    <message>
        <source>The C source can&apos;t be made: %1</source>
        <translation>Der C-Quelltext kann nicht erzeugt werden: %1</translation>
    </message>
    <message>
        <source>Can&apos;t write the source %1<byte value="xd"/>%2</source>
        <translation>Der Quelltext %1 kann nicht geschrieben werden<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>ExportSourceDialog</name>
    <message>
        <source>4 grey levels</source>
        <translation>4 Graustufen</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>schwarz-weiß</translation>
    </message>
    <message>
        <source>Selection: %1 x %2 pixels, %3</source>
        <translation>Auswahl: %1 x %2 Pixel, %3</translation>
    </message>
    <message>
        <source>Picture: %1 x %2 pixels, %3</source>
        <translation>Bild: %1 x %2 Pixel, %3</translation>
    </message>
    <message>
        <source>8 pixels (unsigned char)</source>
        <translation>8 Pixel (unsigned char)</translation>
    </message>
    <message>
        <source>16 pixels (unsigned short)</source>
        <translation>16 Pixel (unsigned short)</translation>
    </message>
    <message>
        <source>32 pixels (unsigned long)</source>
        <translation>32 Pixel (unsigned long)</translation>
    </message>
    <message>
        <source>Bytes, any width (SpriteX8)</source>
        <translation>Bytes, jede Breite (SpriteX8)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Separate arrays</source>
        <translation>Getrennte Arrays</translation>
    </message>
    <message>
        <source>Interlaced rows</source>
        <translation>Verschachtelte Zeilen</translation>
    </message>
    <message>
        <source>A black-and-white picture has one plane</source>
        <translation>Ein Schwarz-Weiß-Bild hat nur eine Ebene</translation>
    </message>
    <message>
        <source>Export Source</source>
        <translation>Quelltext exportieren</translation>
    </message>
    <message>
        <source>&amp;Rows:</source>
        <translation>&amp;Zeilen:</translation>
    </message>
    <message>
        <source>&amp;Mask:</source>
        <translation>&amp;Maske:</translation>
    </message>
    <message>
        <source>Planes:</source>
        <translation>Ebenen:</translation>
    </message>
    <message>
        <source>Array &amp;name:</source>
        <translation>Array-&amp;Name:</translation>
    </message>
    <message>
        <source>White is transparent</source>
        <translation>Weiß ist durchsichtig</translation>
    </message>
    <message>
        <source>Light grey is transparent</source>
        <translation>Hellgrau ist durchsichtig</translation>
    </message>
    <message>
        <source>Dark grey is transparent</source>
        <translation>Dunkelgrau ist durchsichtig</translation>
    </message>
    <message>
        <source>Black is transparent</source>
        <translation>Schwarz ist durchsichtig</translation>
    </message>
    <message>
        <source>AND mask: 1 = transparent</source>
        <translation>UND-Maske: 1 = durchsichtig</translation>
    </message>
    <message>
        <source>OR mask: 1 = opaque</source>
        <translation>ODER-Maske: 1 = deckend</translation>
    </message>
    <message>
        <source>Mask &amp;bits:</source>
        <translation>Masken&amp;bits:</translation>
    </message>
    <message>
        <source>&amp;All tiles of %1 x %2, as one array of sprites</source>
        <translation>&amp;Alle Kacheln von %1 x %2 als ein Array von Sprites</translation>
    </message>
    <message>
        <source>player, enemy, ... (may be left empty)</source>
        <translation>spieler, gegner, ... (darf leer bleiben)</translation>
    </message>
    <message>
        <source>&amp;Tile names:</source>
        <translation>&amp;Kachelnamen:</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Schreibfehler auf dem Datenträger</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Dies ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>This is a device or a pipe, not a file.</source>
        <translation>Dies ist ein Gerät oder eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Dies ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>Die Datei ist größer als %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Another program changed it meanwhile; it is left as it is.</source>
        <translation>Ein anderes Programm hat sie inzwischen geändert; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>it is no picture this program reads</source>
        <translation>es ist kein Bild, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>The file is not a calculator picture (.89i, .9xi, .v2i or .92i).</source>
        <translation>Die Datei ist kein Taschenrechnerbild (.89i, .9xi, .v2i oder .92i).</translation>
    </message>
    <message>
        <source>The picture is larger than a picture file holds.</source>
        <translation>Das Bild ist größer, als eine Bilddatei fassen kann.</translation>
    </message>
    <message>
        <source>The picture is %1, more than the %2 a picture file holds.</source>
        <translation>Das Bild hat %1, mehr als die %2, die eine Bilddatei fassen kann.</translation>
    </message>
    <message>
        <source>The picture cannot be written in this format.</source>
        <translation>Das Bild kann in diesem Format nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The page cannot be drawn.</source>
        <translation>Die Seite kann nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The calculator link failed.</source>
        <translation>Die Verbindung zum Taschenrechner ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a device or a pipe, not an ordinary file</source>
        <translation>es ist ein Gerät oder eine Pipe, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>die Datei ist größer als %1</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
</context>
<context>
    <name>FileSession</name>
    <message>
        <source>Current image not saved. Save it or clear it.</source>
        <translation>Aktuelles Bild nicht gespeichert. Speichern oder löschen Sie es.</translation>
    </message>
    <message>
        <source>The picture has four grey levels; a picture file holds one black-and-white picture. Save As writes it as a group of two pictures or as two picture files.</source>
        <translation>Das Bild hat vier Graustufen; eine Bilddatei enthält ein einziges Schwarzweißbild. „Speichern unter“ schreibt es als Gruppe aus zwei Bildern oder als zwei Bilddateien.</translation>
    </message>
    <message>
        <source>Can&apos;t open %1<byte value="xd"/>%2</source>
        <translation>%1 kann nicht geöffnet werden<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>ERROR in Saving!<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>FEHLER beim Speichern!<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Disk write error<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>Schreibfehler auf dem Datenträger<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Not a valid filename!</source>
        <translation>Kein gültiger Dateiname!</translation>
    </message>
    <message>
        <source>Oops! The filename must have a &apos;89i&apos; extension.</source>
        <translation>Hoppla! Der Dateiname muss die Endung &apos;89i&apos; haben.</translation>
    </message>
    <message>
        <source>Drag/Drop Error</source>
        <translation>Drag-and-Drop-Fehler</translation>
    </message>
    <message>
        <source>Can&apos;t write the bitmap %1<byte value="xd"/>%2</source>
        <translation>Die Bitmap %1 kann nicht geschrieben werden<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <translation>Nichts zu speichern.</translation>
    </message>
    <message>
        <source>Nuttin&apos; to print.</source>
        <translation>Nix zu drucken.</translation>
    </message>
    <message>
        <source>Group of two pictures (89g)|*.89g|Bitmap (*.bmp)|*.bmp|Two picture files (89i)|*.89i|TI-92 Plus group (9xg)|*.9xg|Voyage 200 group (v2g)|*.v2g|TI-92 group (92g)|*.92g</source>
        <translation>Gruppe aus zwei Bildern (89g)|*.89g|Bitmap (*.bmp)|*.bmp|Zwei Bilddateien (89i)|*.89i|TI-92-Plus-Gruppe (9xg)|*.9xg|Voyage-200-Gruppe (v2g)|*.v2g|TI-92-Gruppe (92g)|*.92g</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two picture variables</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 was put back as it was.</source>
        <translation>%1 wurde in den vorigen Zustand zurückversetzt.</translation>
    </message>
    <message>
        <source>%1 holds the light plane; %2 was not written.</source>
        <translation>%1 enthält die helle Ebene; %2 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>%1 were not added to %2.</source>
        <translation>%1 wurden nicht zu %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 was not added to %2.</source>
        <translation>%1 wurde nicht zu %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>The picture has no file yet: use Save As.</source>
        <translation>Das Bild hat noch keine Datei: „Speichern unter“ verwenden.</translation>
    </message>
</context>
<context>
    <name>GreyPalette</name>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
</context>
<context>
    <name>GroupCommands</name>
    <message>
        <source>TI-89 DOTLARK: Add to Group</source>
        <translation>TI-89 DOTLARK: Zur Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation>%1 enthält kein Bild.</translation>
    </message>
    <message>
        <source>%1 holds %2 and %3, the light and dark planes of a grey picture. Open them as one picture of four grey levels?</source>
        <translation>%1 enthält %2 und %3, die helle und die dunkle Ebene eines Graustufenbilds. Als ein Bild mit vier Graustufen öffnen?</translation>
    </message>
    <message>
        <source>%1 already holds %2. Replace it with this picture?</source>
        <translation>%1 enthält bereits %2. Durch dieses Bild ersetzen?</translation>
    </message>
    <message>
        <source>%1 were added to %2.</source>
        <translation>%1 wurden zu %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 was added to %2.</source>
        <translation>%1 wurde zu %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 and %2 hold the light and dark planes of a grey picture. Open them as one picture of four grey levels?</source>
        <translation>%1 und %2 enthalten die helle und die dunkle Ebene eines Graustufenbilds. Als ein Bild mit vier Graustufen öffnen?</translation>
    </message>
</context>
<context>
    <name>GroupDialogs</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Open from Group</source>
        <translation>Aus Gruppe öffnen</translation>
    </message>
    <message>
        <source>&amp;Open which picture of %1?</source>
        <translation>Welches Bild aus %1 ö&amp;ffnen?</translation>
    </message>
</context>
<context>
    <name>GroupFile</name>
    <message>
        <source>Entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>Entry %1 (%2)</source>
        <translation>Eintrag %1 (%2)</translation>
    </message>
    <message>
        <source>The file is too short to be a calculator group: it has no complete 60-byte header.</source>
        <translation>Die Datei ist zu kurz für eine Taschenrechner-Gruppe: Ihr fehlt ein vollständiger Kopf von 60 Byte.</translation>
    </message>
    <message>
        <source>The file is not a calculator group (.89g, .92g, .9xg or .v2g).</source>
        <translation>Die Datei ist keine Taschenrechner-Gruppe (.89g, .92g, .9xg oder .v2g).</translation>
    </message>
    <message>
        <source>The group&apos;s table of entries runs past the end of the file.</source>
        <translation>Die Eintragstabelle der Gruppe reicht über das Ende der Datei hinaus.</translation>
    </message>
    <message>
        <source>%1 of the group has its data outside the file.</source>
        <translation>%1 der Gruppe hat seine Daten außerhalb der Datei.</translation>
    </message>
    <message>
        <source>%1 of the group is a folder of more variables than follow it.</source>
        <translation>%1 der Gruppe ist ein Ordner mit mehr Variablen, als ihm folgen.</translation>
    </message>
    <message>
        <source>%1 of the group is longer than its place in the file.</source>
        <translation>%1 der Gruppe ist länger als sein Platz in der Datei.</translation>
    </message>
    <message>
        <source>The group is too large for a group file.</source>
        <translation>Die Gruppe ist zu groß für eine Gruppendatei.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>The group has more than 65,535 entries (variables and folders), the most a group file holds.</source>
        <translation>Die Gruppe hat mehr als 65.535 Einträge (Variablen und Ordner), das Höchste, was eine Gruppendatei fasst.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Use this program to view, edit, create, and save TI-89 Image files. </source>
        <translation>Mit diesem Programm können Sie TI-89-Bilddateien ansehen, bearbeiten, erstellen und speichern. </translation>
    </message>
    <message>
        <source>The image can be printed or downloaded to a TI-89 computer using Texas Instruments&apos; Graph-Link cable and software.</source>
        <translation>Das Bild kann gedruckt oder mit dem Graph-Link-Kabel und der Software von Texas Instruments auf einen TI-89-Taschenrechner übertragen werden.</translation>
    </message>
    <message>
        <source>On the picture box, use the left mouse button to draw and the right mouse button to pop up the drawing tools menu.</source>
        <translation>Auf dem Bildfeld zeichnen Sie mit der linken Maustaste; die rechte Maustaste öffnet das Menü der Zeichenwerkzeuge.</translation>
    </message>
    <message>
        <source>Use the File menu to make a New image (specifying the dimensions), Open, Save, and Print images. In &apos;Save As...&apos; you can also save the image as a BMP. </source>
        <translation>Im Menü Datei erstellen Sie ein neues Bild (Neu, mit Angabe der Abmessungen) und öffnen, speichern und drucken Bilder (Öffnen, Speichern, Drucken). Unter „Speichern unter...“ können Sie das Bild auch als BMP speichern. </translation>
    </message>
    <message>
        <source>You can import b/w BMP, ICO, RLE, WMF, GIF (v87a), and JPG files.</source>
        <translation>Sie können schwarzweiße BMP-, ICO-, RLE-, WMF-, GIF- (v87a) und JPG-Dateien importieren.</translation>
    </message>
    <message>
        <source>Use the Draw menu to Clear the image and choose a tool. You cannot save a cleared image.  You must clear or save an edited image before opening another. </source>
        <translation>Im Menü Zeichnen löschen Sie das Bild (ClrDraw) und wählen ein Werkzeug. Ein gelöschtes Bild können Sie nicht speichern.  Ein bearbeitetes Bild müssen Sie löschen oder speichern, bevor Sie ein anderes öffnen. </translation>
    </message>
    <message>
        <source>The 89 Folder and Var Name can be different from the DOS filename, but use caution. The 89 Names must comply with TI-89 standards. </source>
        <translation>Ordner und Variablenname auf dem 89 dürfen vom DOS-Dateinamen abweichen, aber seien Sie vorsichtig. Die Namen auf dem 89 müssen den Regeln des TI-89 entsprechen. </translation>
    </message>
    <message>
        <source>The comment is saved in the computer file only, not the BMP file or in the calculator.</source>
        <translation>Der Kommentar wird nur in der Datei auf dem Computer gespeichert, nicht in der BMP-Datei und nicht im Taschenrechner.</translation>
    </message>
    <message>
        <source>DOTLARK Brief Instructions</source>
        <translation>DOTLARK-Kurzanleitung</translation>
    </message>
    <message>
        <source>TI-89 and TI Graph-Link are registered trademarks of Texas Instruments, Inc. </source>
        <translation>TI-89 und TI Graph-Link sind eingetragene Marken von Texas Instruments, Inc. </translation>
    </message>
    <message>
        <source>DOTLARK is written by the DOTLARK developers.</source>
        <translation>DOTLARK wird von den DOTLARK-Entwicklern geschrieben.</translation>
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
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Import a picture</source>
        <translation>Ein Bild importieren</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>Can&apos;t import %1: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it ends before its picture does. Import the part that could be read?</source>
        <translation>Die Datei %1 ist beschädigt: Sie endet vor dem Ende ihres Bildes. Den lesbaren Teil importieren?</translation>
    </message>
</context>
<context>
    <name>ImportScaledDialog</name>
    <message>
        <source>Import Scaled...</source>
        <translation>Skaliert importieren...</translation>
    </message>
    <message>
        <source>%1: %2 x %3 pixels onto %4 x %5</source>
        <translation>%1: %2 x %3 Pixel auf %4 x %5</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Platzierung</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>F&amp;ill</source>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>&amp;Strecken</translation>
    </message>
    <message>
        <source>&amp;1:1</source>
        <translation>&amp;1:1</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonwerte</translation>
    </message>
    <message>
        <source>&amp;Threshold</source>
        <translation>Sch&amp;welle</translation>
    </message>
    <message>
        <source>Pixels darker than this grey become black</source>
        <translation>Pixel, die dunkler als dieses Grau sind, werden schwarz</translation>
    </message>
    <message>
        <source>Dither (F&amp;loyd-Steinberg)</source>
        <translation>Rastern (F&amp;loyd-Steinberg)</translation>
    </message>
    <message>
        <source>Dither (&amp;Atkinson)</source>
        <translation>Rastern (Atkinso&amp;n)</translation>
    </message>
    <message>
        <source>&amp;4 grey levels</source>
        <translation>&amp;4 Graustufen</translation>
    </message>
    <message>
        <source>White, light grey, dark grey and black, as the calculator shows grey; Threshold takes the nearest of the four</source>
        <translation>Weiß, Hellgrau, Dunkelgrau und Schwarz, wie der Taschenrechner Grau zeigt; Schwelle nimmt die nächste der vier</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>In&amp;vert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Helligkeit</translation>
    </message>
    <message>
        <source>&amp;Contrast</source>
        <translation>&amp;Kontrast</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Einzeichnen</translation>
    </message>
    <message>
        <source>Add blac&amp;k pixels</source>
        <translation>Schwarze &amp;Pixel hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Replace the picture</source>
        <translation>Bild e&amp;rsetzen</translation>
    </message>
    <message>
        <source>White pixels of the result are set white too</source>
        <translation>Weiße Pixel des Ergebnisses werden ebenfalls weiß gesetzt</translation>
    </message>
    <message>
        <source>Add grey and blac&amp;k pixels</source>
        <translation>Graue und schwarze &amp;Pixel hinzufügen</translation>
    </message>
</context>
<context>
    <name>IsolatedPictureLoader</name>
    <message>
        <source>the picture reader %1 cannot be started: %2</source>
        <translation>der Bildleser %1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>reading the picture took more than %1 seconds of processor time</source>
        <translation>das Lesen des Bildes brauchte mehr als %1 Sekunden Prozessorzeit</translation>
    </message>
    <message>
        <source>the picture reader stopped on a fault (%1)</source>
        <translation>der Bildleser wurde durch einen Fehler beendet (%1)</translation>
    </message>
    <message>
        <source>reading the picture took longer than %1 seconds</source>
        <translation>das Lesen des Bildes dauerte länger als %1 Sekunden</translation>
    </message>
    <message>
        <source>the reading was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>the picture reader %1 is not installed</source>
        <translation>der Bildleser %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
</context>
<context>
    <name>LinkDialogs</name>
    <message>
        <source>Automatic (probe the USB cables)</source>
        <translation>Automatisch (USB-Kabel abfragen)</translation>
    </message>
    <message>
        <source>BlackLink serial</source>
        <translation>BlackLink seriell</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>TiEmu emulator</source>
        <translation>TiEmu-Emulator</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Link Settings</source>
        <translation>Verbindungseinstellungen</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>&amp;Cable:</source>
        <translation>&amp;Kabel:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>C&amp;alculator:</source>
        <translation>&amp;Taschenrechner:</translation>
    </message>
    <message>
        <source>&amp;Timeout (each answer):</source>
        <translation>&amp;Zeitlimit (je Antwort):</translation>
    </message>
    <message>
        <source>Receive from Calculator</source>
        <translation>Vom Taschenrechner empfangen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>&amp;Open which picture of the calculator? (Several chosen with Ctrl or Shift go into a group file.)</source>
        <translation>Welches Bild des Taschenrechners ö&amp;ffnen? (Mehrere, mit Strg oder Umschalt gewählt, kommen in eine Gruppendatei.)</translation>
    </message>
    <message>
        <source>Capture Calculator Screen</source>
        <translation>Bildschirm des Taschenrechners aufnehmen</translation>
    </message>
    <message>
        <source>What a TI-89 &amp;shows (160 x 100)</source>
        <translation>Was ein TI-89 &amp;zeigt (160 x 100)</translation>
    </message>
    <message>
        <source>The &amp;whole screen (240 x 128)</source>
        <translation>Der &amp;ganze Bildschirm (240 x 128)</translation>
    </message>
</context>
<context>
    <name>LinkLauncher</name>
    <message>
        <source>The file you selected is not WLINK89.EXE.
<byte value="xd"/> Action ignored.</source>
        <translation>Die gewählte Datei ist nicht WLINK89.EXE.
<byte value="xd"/> Aktion ignoriert.</translation>
    </message>
    <message>
        <source>Didn&apos;t find Wlink89.exe!</source>
        <translation>Wlink89.exe nicht gefunden!</translation>
    </message>
    <message>
        <source>Where is Wlink89.exe?</source>
        <translation>Wo ist Wlink89.exe?</translation>
    </message>
    <message>
        <source>*89.EXE files|*89.exe</source>
        <translation>*89.EXE-Dateien|*89.exe</translation>
    </message>
    <message>
        <source>Can&apos;t start %1
%2

Choose Wlink89.exe again?</source>
        <translation>%1 kann nicht gestartet werden
%2

Wlink89.exe erneut auswählen?</translation>
    </message>
    <message>
        <source>Can&apos;t start Wlink89.exe</source>
        <translation>Wlink89.exe kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is not a program this computer can run.</source>
        <translation>Es ist kein Programm, das dieser Computer ausführen kann.</translation>
    </message>
    <message>
        <source>It is a Windows program, and Wine, which runs Windows programs here, is not installed.</source>
        <translation>Es ist ein Windows-Programm, und Wine, das hier Windows-Programme ausführt, ist nicht installiert.</translation>
    </message>
    <message>
        <source>It is a Windows program, and Wine would not start it.</source>
        <translation>Es ist ein Windows-Programm, und Wine konnte es nicht starten.</translation>
    </message>
</context>
<context>
    <name>LinkPreferences</name>
    <message>
        <source>the calculator</source>
        <translation>den Taschenrechner</translation>
    </message>
    <message>
        <source>the TI-89</source>
        <translation>den TI-89</translation>
    </message>
    <message>
        <source>the TI-89 Titanium</source>
        <translation>den TI-89 Titanium</translation>
    </message>
    <message>
        <source>the TI-92</source>
        <translation>den TI-92</translation>
    </message>
    <message>
        <source>the TI-92 Plus</source>
        <translation>den TI-92 Plus</translation>
    </message>
    <message>
        <source>the Voyage 200</source>
        <translation>den Voyage 200</translation>
    </message>
</context>
<context>
    <name>LinkReply</name>
    <message>
        <source>the link helper gave an answer that is not one</source>
        <translation>das Verbindungsprogramm gab eine Antwort, die keine ist</translation>
    </message>
    <message>
        <source>the link helper ended without an answer</source>
        <translation>das Verbindungsprogramm endete ohne Antwort</translation>
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
        <source>the calculator cannot be handled</source>
        <translation>der Taschenrechner kann nicht angesteuert werden</translation>
    </message>
    <message>
        <source>the calculator does not answer (is it on, at its home screen with no error shown (press ESC), and the cable plugged in?): %1</source>
        <translation>der Taschenrechner antwortet nicht (ist er eingeschaltet, auf seinem Hauptbildschirm ohne angezeigten Fehler (ESC drücken) und das Kabel eingesteckt?): %1</translation>
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
        <source>%1: the transfer was cancelled</source>
        <translation>%1: die Übertragung wurde abgebrochen</translation>
    </message>
    <message>
        <source>no calculator answers on the cable: %1; choose the calculator in the link settings if it is on and at its home screen</source>
        <translation>kein Taschenrechner antwortet am Kabel: %1; wählen Sie den Taschenrechner in den Verbindungseinstellungen, wenn er eingeschaltet ist und seinen Startbildschirm zeigt</translation>
    </message>
    <message>
        <source>%1: the transfer was cancelled, and the calculator did not say it ended it (if it shows &quot;Link in progress&quot;, press ESC on it)</source>
        <translation>%1: die Übertragung wurde abgebrochen, und der Taschenrechner hat nicht gemeldet, sie beendet zu haben (zeigt er „Link in progress“, drücken Sie dort ESC)</translation>
    </message>
    <message>
        <source>the calculator&apos;s list of variables holds one without a name</source>
        <translation>die Liste der Variablen des Taschenrechners enthält eine ohne Namen</translation>
    </message>
    <message>
        <source>the calculator&apos;s list of variables holds %1\%2 of 0 bytes</source>
        <translation>die Liste der Variablen des Taschenrechners enthält %1\%2 mit 0 Bytes</translation>
    </message>
    <message>
        <source>the calculator&apos;s list of variables holds %1\%2 twice</source>
        <translation>die Liste der Variablen des Taschenrechners enthält %1\%2 zweimal</translation>
    </message>
    <message>
        <source>the calculator&apos;s variables were not listed</source>
        <translation>die Variablen des Taschenrechners wurden nicht aufgelistet</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>%1 was not sent</source>
        <translation>%1 wurde nicht gesendet</translation>
    </message>
    <message>
        <source>usage: dotlark-link send FILE... [--ask] | list | receive FOLDER NAME OUT | screen full|clipped
       [--cable auto|silverlink|directlink|blacklink|graylink|parallel|tiemu|null]
       [--port 1-4] [--calc auto|ti89|ti89t|ti92|ti92+|v200] [--guess MODEL]... [--timeout SECONDS]
(used by DOTLARK to talk to the calculator)</source>
        <translation>Aufruf: dotlark-link send FILE... [--ask] | list | receive FOLDER NAME OUT | screen full|clipped
       [--cable auto|silverlink|directlink|blacklink|graylink|parallel|tiemu|null]
       [--port 1-4] [--calc auto|ti89|ti89t|ti92|ti92+|v200] [--guess MODEL]... [--timeout SECONDS]
(von DOTLARK benutzt, um mit dem Taschenrechner zu sprechen)</translation>
    </message>
    <message>
        <source>the picture was not sent</source>
        <translation>das Bild wurde nicht gesendet</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Import Scale&amp;d...</source>
        <translation>Ska&amp;liert importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export So&amp;urce...</source>
        <translation>&amp;Quelltext exportieren...</translation>
    </message>
    <message>
        <source>Add to &amp;Group...</source>
        <translation>Zur &amp;Gruppe hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>Send to Calculator...</source>
        <translation>An Taschenrechner senden...</translation>
    </message>
    <message>
        <source>&amp;Receive from Calculator...</source>
        <translation>Vom Taschenrechner &amp;empfangen...</translation>
    </message>
    <message>
        <source>&amp;Capture Calculator Screen...</source>
        <translation>Bildschirm des Taschenrechners &amp;aufnehmen...</translation>
    </message>
    <message>
        <source>Lin&amp;k Settings...</source>
        <translation>&amp;Verbindungseinstellungen...</translation>
    </message>
    <message>
        <source>Open in &amp;TiLP...</source>
        <translation>In &amp;TiLP öffnen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;ClrDraw </source>
        <translation>&amp;ClrDraw </translation>
    </message>
    <message>
        <source>Tools...</source>
        <translation>Werkzeuge...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste as &amp;New Picture</source>
        <translation>Als ne&amp;ues Bild einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>D&amp;eselect</source>
        <translation>Auswahl au&amp;fheben</translation>
    </message>
    <message>
        <source>C&amp;rop to Selection</source>
        <translation>Auf Auswahl &amp;zuschneiden</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation>&amp;Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation>&amp;Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Rotate Ri&amp;ght</source>
        <translation>Nach &amp;rechts drehen</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Nach links &amp;drehen</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>Shi&amp;ft</source>
        <translation>Vers&amp;chieben</translation>
    </message>
    <message>
        <source>Canvas &amp;Size...</source>
        <translation>Leinwandgr&amp;öße...</translation>
    </message>
    <message>
        <source>Gre&amp;y Levels</source>
        <translation>&amp;Graustufen</translation>
    </message>
    <message>
        <source>Transparent Selecti&amp;on</source>
        <translation>&amp;Transparente Auswahl</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Nach &amp;links</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Nach &amp;rechts</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Pixel &amp;Grid</source>
        <translation>Pixel&amp;raster</translation>
    </message>
    <message>
        <source>&amp;Preview 1:1</source>
        <translation>&amp;Vorschau 1:1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Tile Grid...</source>
        <translation>Kachelraster...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Pic Var Name:</source>
        <translation>Variablenname:</translation>
    </message>
    <message>
        <source>in the calculator</source>
        <translation>im Taschenrechner</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>saved in PC file only.</source>
        <translation>nur in der PC-Datei gespeichert.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Runs or switches to Wlink89.exe</source>
        <translation>Startet Wlink89.exe oder wechselt dorthin</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Tool and zoom</source>
        <translation>Werkzeug und Zoom</translation>
    </message>
    <message>
        <source>Grey level</source>
        <translation>Graustufe</translation>
    </message>
    <message>
        <source>the clipboard&apos;s picture</source>
        <translation>das Bild aus der Zwischenablage</translation>
    </message>
    <message>
        <source>TI-89 DOTLARK Save As...</source>
        <translation>TI-89 DOTLARK Speichern unter...</translation>
    </message>
    <message>
        <source>Readable Files (89i)</source>
        <translation>Lesbare Dateien (89i)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>TI-89 DOTLARK: Open File</source>
        <translation>TI-89 DOTLARK: Datei öffnen</translation>
    </message>
    <message>
        <source>Readable Images (89i)</source>
        <translation>Lesbare Bilder (89i)</translation>
    </message>
    <message>
        <source>Calculator pictures (89i, 9xi, v2i, 92i)</source>
        <translation>Taschenrechnerbilder (89i, 9xi, v2i, 92i)</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was opened. Replace it with this picture?</source>
        <translation>%1 wurde seit dem Öffnen auf dem Datenträger geändert. Durch dieses Bild ersetzen?</translation>
    </message>
    <message>
        <source>Invalid Filename: Use *.89i</source>
        <translation>Ungültiger Dateiname: Verwenden Sie *.89i</translation>
    </message>
    <message>
        <source>Filename ERROR!</source>
        <translation>Dateinamen-FEHLER!</translation>
    </message>
    <message>
        <source>Light plane:</source>
        <translation>Helle Ebene:</translation>
    </message>
    <message>
        <source>Dark plane:</source>
        <translation>Dunkle Ebene:</translation>
    </message>
    <message>
        <source>The light and dark planes need two different names.</source>
        <translation>Die helle und die dunkle Ebene brauchen zwei verschiedene Namen.</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.<byte value="xd"/>Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read.<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>Die Wiederherstellungskopie %1 kann nicht gelesen werden.<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>It could not be set aside.</source>
        <translation>Sie konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>Sie wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>It is a symbolic link.</source>
        <translation>Er ist ein symbolischer Link.</translation>
    </message>
    <message>
        <source>It is not a folder.</source>
        <translation>Er ist kein Ordner.</translation>
    </message>
    <message>
        <source>It belongs to another user.</source>
        <translation>Er gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>Other users may use it, and its permissions cannot be narrowed: %1</source>
        <translation>Andere Benutzer dürfen ihn verwenden, und seine Rechte lassen sich nicht einschränken: %1</translation>
    </message>
    <message>
        <source>It cannot be made or opened: %1</source>
        <translation>Er kann weder angelegt noch geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The recovery folder %1 cannot be used.<byte value="xd"/>%2<byte value="xd"/>No recovery copies are kept, so unsaved work is lost if DOTLARK crashes or is killed.</source>
        <translation>Der Wiederherstellungsordner %1 kann nicht verwendet werden.<byte value="xd"/>%2<byte value="xd"/>Es werden keine Wiederherstellungskopien angelegt; ungespeicherte Arbeit geht verloren, wenn DOTLARK abstürzt oder beendet wird.</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Selection %1 x %2</source>
        <translation>Auswahl %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Pick Level</source>
        <translation>Stufe aufnehmen</translation>
    </message>
    <message>
        <source>C source with sprites (h, c)|*.h;*.c</source>
        <translation>C-Quelltext mit Sprites (h, c)|*.h;*.c</translation>
    </message>
</context>
<context>
    <name>MetafileReader</name>
    <message>
        <source>the metafile&apos;s placeable header is cut short</source>
        <translation>der Platzierungskopf der Metadatei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the metafile&apos;s placeable header gives an empty frame of %1 x %2 units</source>
        <translation>der Platzierungskopf der Metadatei gibt einen leeren Rahmen von %1 x %2 Einheiten an</translation>
    </message>
    <message>
        <source>the metafile&apos;s placeable header gives 0 units per inch</source>
        <translation>der Platzierungskopf der Metadatei gibt 0 Einheiten pro Zoll an</translation>
    </message>
    <message>
        <source>the metafile holds a bitmap whose header of %1 bytes is not one of a bitmap</source>
        <translation>die Metadatei enthält eine Bitmap, deren Kopf von %1 Byte nicht der einer Bitmap ist</translation>
    </message>
    <message>
        <source>the metafile holds a bitmap of %1 x %2 pixels, more than the %3 pixels read at most</source>
        <translation>die Metadatei enthält eine Bitmap von %1 x %2 Pixeln, mehr als die höchstens gelesenen %3 Pixel</translation>
    </message>
    <message>
        <source>the metafile holds a bitmap whose colour table of %1 colours is larger than the file</source>
        <translation>die Metadatei enthält eine Bitmap, deren Farbtabelle mit %1 Farben größer als die Datei ist</translation>
    </message>
    <message>
        <source>the metafile&apos;s record at byte %1 is of %2 words, larger than the %3 its header allows</source>
        <translation>der Datensatz der Metadatei bei Byte %1 hat %2 Wörter, mehr als die %3, die ihr Kopf erlaubt</translation>
    </message>
    <message>
        <source>the metafile&apos;s record at byte %1 uses object %2 of a table of %3</source>
        <translation>der Datensatz der Metadatei bei Byte %1 verwendet Objekt %2 einer Tabelle von %3</translation>
    </message>
    <message>
        <source>the metafile&apos;s record at byte %1 is of %2 words, too short to be a record</source>
        <translation>der Datensatz der Metadatei bei Byte %1 hat %2 Wörter, zu kurz für einen Datensatz</translation>
    </message>
    <message>
        <source>the metafile ends in the middle of its record at byte %1</source>
        <translation>die Metadatei endet mitten in ihrem Datensatz bei Byte %1</translation>
    </message>
    <message>
        <source>the metafile ends without its end record</source>
        <translation>die Metadatei endet ohne ihren Schlussdatensatz</translation>
    </message>
    <message>
        <source>there is not enough memory to draw the metafile</source>
        <translation>der Speicher reicht nicht, um die Metadatei zu zeichnen</translation>
    </message>
    <message>
        <source>the metafile reader cannot read it</source>
        <translation>der Metadatei-Leser kann sie nicht lesen</translation>
    </message>
    <message>
        <source>the metafile&apos;s records are damaged</source>
        <translation>die Datensätze der Metadatei sind beschädigt</translation>
    </message>
    <message>
        <source>the metafile ends in the middle of a record</source>
        <translation>die Metadatei endet mitten in einem Datensatz</translation>
    </message>
    <message>
        <source>the metafile&apos;s picture cannot be drawn</source>
        <translation>das Bild der Metadatei kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>the metafile reader failed on it (libwmf error %1)</source>
        <translation>der Metadatei-Leser ist daran gescheitert (libwmf-Fehler %1)</translation>
    </message>
    <message>
        <source>the metafile&apos;s header gives its size as %1 words, not 9</source>
        <translation>der Kopf der Metadatei gibt seine Größe mit %1 Wörtern an, nicht 9</translation>
    </message>
    <message>
        <source>the metafile&apos;s header claims a record larger than the file</source>
        <translation>der Kopf der Metadatei nennt einen Datensatz, der größer als die Datei ist</translation>
    </message>
    <message>
        <source>the metafile reader cannot be started</source>
        <translation>der Metadatei-Leser kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>the metafile&apos;s picture is %1 x %2 pixels: it has no size</source>
        <translation>das Bild der Metadatei hat %1 x %2 Pixel: es hat keine Größe</translation>
    </message>
    <message>
        <source>the metafile draws far beyond its picture</source>
        <translation>die Metadatei zeichnet weit über ihr Bild hinaus</translation>
    </message>
    <message>
        <source>the metafile reader cannot draw into a picture here (libwmf has no PNG output)</source>
        <translation>der Metadatei-Leser kann hier nicht in ein Bild zeichnen (libwmf hat keine PNG-Ausgabe)</translation>
    </message>
    <message>
        <source>the metafile reader gave no picture of %1 x %2 pixels</source>
        <translation>der Metadatei-Leser lieferte kein Bild von %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>this build of DOTLARK reads no metafiles (it was made without libwmf)</source>
        <translation>diese Ausgabe von DOTLARK liest keine Metadateien (sie wurde ohne libwmf gebaut)</translation>
    </message>
</context>
<context>
    <name>NameProblem</name>
    <message>
        <source>Pic Var ERROR!</source>
        <translation>Pic Var FEHLER!</translation>
    </message>
    <message>
        <source>Folder Name ERROR!</source>
        <translation>Ordnername FEHLER!</translation>
    </message>
    <message>
        <source>Pic Var Name missing.</source>
        <translation>Pic-Var-Name fehlt.</translation>
    </message>
    <message>
        <source>Folder Name missing.</source>
        <translation>Ordnername fehlt.</translation>
    </message>
    <message>
        <source>First character of Pic Var Name can&apos;t be digit.</source>
        <translation>Das erste Zeichen des Pic-Var-Namens darf keine Ziffer sein.</translation>
    </message>
    <message>
        <source>First character of Folder Name can&apos;t be digit.</source>
        <translation>Das erste Zeichen des Ordnernamens darf keine Ziffer sein.</translation>
    </message>
    <message>
        <source>Invalid character <byte value="xd"/>in Pic Var Name: &lt;%1&gt;</source>
        <translation>Ungültiges Zeichen <byte value="xd"/>im Pic-Var-Namen: &lt;%1&gt;</translation>
    </message>
    <message>
        <source>Invalid character <byte value="xd"/>in Folder Name: &lt;%1&gt;</source>
        <translation>Ungültiges Zeichen <byte value="xd"/>im Ordnernamen: &lt;%1&gt;</translation>
    </message>
</context>
<context>
    <name>NetpbmReader</name>
    <message>
        <source>the picture data is cut short (it ends in row %1 of %2)</source>
        <translation>die Bilddaten sind abgeschnitten (sie enden in Zeile %1 von %2)</translation>
    </message>
    <message>
        <source>the width</source>
        <translation>die Breite</translation>
    </message>
    <message>
        <source>the height</source>
        <translation>die Höhe</translation>
    </message>
    <message>
        <source>the maxval</source>
        <translation>der Höchstwert (maxval)</translation>
    </message>
    <message>
        <source>a sample in row %1</source>
        <translation>ein Wert in Zeile %1</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>die Datei endet, bevor %1 kommt</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is larger than %2</source>
        <translation>%1 ist größer als %2</translation>
    </message>
    <message>
        <source>%1 is followed by &apos;%2&apos; instead of a blank</source>
        <translation>%1 endet mit &apos;%2&apos; statt mit einem Leerzeichen</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels, so it has none</source>
        <translation>das Bild hat %1 x %2 Pixel, also gar keine</translation>
    </message>
    <message>
        <source>the header claims %1 x %2 pixels, more than the %3 pixels accepted</source>
        <translation>der Kopf nennt %1 x %2 Pixel, mehr als die %3 angenommenen Pixel</translation>
    </message>
    <message>
        <source>the maxval is 0</source>
        <translation>der Höchstwert (maxval) ist 0</translation>
    </message>
    <message>
        <source>the file ends after the header</source>
        <translation>die Datei endet nach dem Kopf</translation>
    </message>
    <message>
        <source>the picture data is cut short (%1 x %2 pixels need at least %3 bytes, %4 are there)</source>
        <translation>die Bilddaten sind abgeschnitten (%1 x %2 Pixel brauchen mindestens %3 Byte, vorhanden sind %4)</translation>
    </message>
    <message>
        <source>a pixel is &apos;%1&apos; instead of 0 or 1 (row %2)</source>
        <translation>ein Pixel ist &apos;%1&apos; statt 0 oder 1 (Zeile %2)</translation>
    </message>
    <message>
        <source>a sample in row %1 is %2, above the maxval %3</source>
        <translation>ein Wert in Zeile %1 ist %2, über dem Höchstwert %3</translation>
    </message>
    <message>
        <source>it is not a netpbm picture (no P1 to P6 at its start)</source>
        <translation>es ist kein netpbm-Bild (kein P1 bis P6 am Anfang)</translation>
    </message>
    <message>
        <source>there is not enough memory for its %1 x %2 pixels</source>
        <translation>der Speicher reicht nicht für seine %1 x %2 Pixel</translation>
    </message>
</context>
<context>
    <name>NewPictureDialog</name>
    <message>
        <source>DOTLARK: New picture dialog</source>
        <translation>DOTLARK: Neues Bild</translation>
    </message>
    <message>
        <source>Enter the dimensions below. The width must be between 1 and 160. The height must be between 1and 77.</source>
        <translation>Geben Sie unten die Maße ein. Die Breite muss 1 bis 160 betragen, die Höhe 1 bis 77.</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;4 grey levels</source>
        <translation>&amp;4 Graustufen</translation>
    </message>
    <message>
        <source>white, light grey, dark grey and black, in two planes</source>
        <translation>Weiß, Hellgrau, Dunkelgrau und Schwarz, in zwei Ebenen</translation>
    </message>
    <message>
        <source>Error in dimensions. resetting to 160x77.</source>
        <translation>Fehler in den Abmessungen. Zurückgesetzt auf 160x77.</translation>
    </message>
</context>
<context>
    <name>PageSetupDialog</name>
    <message>
        <source>DOTLARK Page Setup</source>
        <translation>DOTLARK Seite einrichten</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Oberer Rand:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Linker Rand:</translation>
    </message>
    <message>
        <source>Image Width:</source>
        <translation>Bildbreite:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>Info (filename, folder, var)</source>
        <translation>Info (Datei, Ordner, Var)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file is too short to be a TI-89 picture: it has no complete 92-byte header.</source>
        <translation>Die Datei ist zu kurz für ein TI-89-Bild: Ihr fehlt ein vollständiger Kopf von 92 Byte.</translation>
    </message>
    <message>
        <source>The picture has a width or height of 0.</source>
        <translation>Das Bild hat eine Breite oder Höhe von 0.</translation>
    </message>
    <message>
        <source>The picture&apos;s width or height is larger than 32767.</source>
        <translation>Die Breite oder Höhe des Bildes ist größer als 32767.</translation>
    </message>
    <message>
        <source>The file ends before the last row of the picture.</source>
        <translation>Die Datei endet vor der letzten Zeile des Bildes.</translation>
    </message>
    <message>
        <source>The picture is too large for a calculator picture file: its rows need more than 65530 bytes.</source>
        <translation>Das Bild ist zu groß für eine Taschenrechner-Bilddatei: Seine Zeilen brauchen mehr als 65530 Byte.</translation>
    </message>
    <message>
        <source>The file is not a calculator picture (.89i, .9xi, .v2i or .92i).</source>
        <translation>Die Datei ist kein Taschenrechnerbild (.89i, .9xi, .v2i oder .92i).</translation>
    </message>
    <message>
        <source>The file is not a calculator picture: it is %1.</source>
        <translation>Die Datei ist kein Taschenrechnerbild, sondern %1.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>ein PNG-Bild</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>ein JPEG-Bild</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>ein GIF-Bild</translation>
    </message>
    <message>
        <source>a BMP image</source>
        <translation>ein BMP-Bild</translation>
    </message>
    <message>
        <source>a Windows metafile</source>
        <translation>eine Windows-Metadatei</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>%1 x %2 pixels: %3 bytes of pixel data</source>
        <translation>%1 x %2 Pixel: %3 Byte Pixeldaten</translation>
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
<byte value="xd"/>     ...dieses Bild?</translation>
    </message>
</context>
<context>
    <name>PictureLimits</name>
    <message>
        <source>the picture is %1 x %2 pixels, more than the %3 pixels read at most</source>
        <translation>das Bild hat %1 x %2 Pixel, mehr als die höchstens gelesenen %3 Pixel</translation>
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
<context>
    <name>Place</name>
    <message>
        <source>The light plane is %1 x %2 pixels and the dark plane %3 x %4: the planes of a grey picture are of one size.</source>
        <translation>Die helle Ebene hat %1 x %2 Pixel und die dunkle %3 x %4: Die Ebenen eines Graustufenbilds sind gleich groß.</translation>
    </message>
    <message>
        <source>%1 had other names (hard links). It was written as a new file, so that a crash cannot leave it half written; the other names keep the version before this save.</source>
        <translation>%1 hatte weitere Namen (harte Links). Die Datei wurde neu geschrieben, damit ein Absturz sie nicht halb geschrieben zurücklassen kann; die anderen Namen behalten die Fassung vor diesem Speichern.</translation>
    </message>
    <message>
        <source>It defines no array of 8, 16 or 32-bit integers, which is how C source holds sprites.</source>
        <translation>Sie definiert kein Array aus 8-, 16- oder 32-Bit-Ganzzahlen, in dem C-Quelltext Sprites hält.</translation>
    </message>
    <message>
        <source>%1 is a black-and-white sprite in this file, and the picture has four grey levels.</source>
        <translation>%1 ist in dieser Datei ein schwarzweißes Sprite, und das Bild hat vier Graustufen.</translation>
    </message>
    <message>
        <source>It is not a sprite: %1.</source>
        <translation>Es ist kein Sprite: %1.</translation>
    </message>
    <message>
        <source>It is %1 x %2 pixels; the editor takes pictures of at most %3 pixels a side.</source>
        <translation>Es hat %1 x %2 Pixel; der Editor nimmt Bilder von höchstens %3 Pixeln Seitenlänge.</translation>
    </message>
    <message>
        <source>The file no longer defines the sprite %1.</source>
        <translation>Die Datei definiert das Sprite %1 nicht mehr.</translation>
    </message>
    <message>
        <source>The sprite %1 would not read back.</source>
        <translation>Das Sprite %1 ließe sich nicht wieder lesen.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels, and the arrays of %3 hold %4 x %5: a sprite of another size cannot be written in place. Save As writes the picture to a file of its own.</source>
        <translation>Das Bild hat %1 x %2 Pixel, und die Arrays von %3 halten %4 x %5: ein Sprite anderer Größe kann nicht an Ort und Stelle geschrieben werden. Speichern unter schreibt das Bild in eine eigene Datei.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Preview 1:1</source>
        <translation>Vorschau 1:1</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>File: %1  </source>
        <translation>Datei: %1  </translation>
    </message>
    <message>
        <source>Folder: %1  Var: %2</source>
        <translation>Ordner: %1  Var: %2</translation>
    </message>
</context>
<context>
    <name>PrintToPdf</name>
    <message>
        <source>no display to draw the page with</source>
        <translation>keine Anzeige, auf der die Seite gezeichnet werden kann</translation>
    </message>
</context>
<context>
    <name>PrivateCopy</name>
    <message>
        <source>The picture has four grey levels; a picture file holds one black-and-white picture. Send to Calculator sends both planes.</source>
        <translation>Das Bild hat vier Graustufen; eine Bilddatei enthält nur ein Schwarzweißbild. „An Taschenrechner senden“ sendet beide Ebenen.</translation>
    </message>
</context>
<context>
    <name>QtCalculatorLink</name>
    <message>
        <source>the link helper %1 cannot be started: %2</source>
        <translation>das Verbindungsprogramm %1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>the link helper stopped on a fault (%1)</source>
        <translation>das Verbindungsprogramm wurde durch einen Fehler beendet (%1)</translation>
    </message>
    <message>
        <source>the link helper %1 is not installed</source>
        <translation>das Verbindungsprogramm %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>the link helper&apos;s answer is too long</source>
        <translation>die Antwort des Verbindungsprogramms ist zu lang</translation>
    </message>
    <message>
        <source>the calculator did not answer within %1 seconds</source>
        <translation>der Taschenrechner hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>the transfer was cancelled</source>
        <translation>die Übertragung wurde abgebrochen</translation>
    </message>
    <message>
        <source>Sending %1 to the calculator...</source>
        <translation>%1 wird an den Taschenrechner gesendet...</translation>
    </message>
    <message>
        <source>Receiving %1\%2 from the calculator...</source>
        <translation>%1\%2 wird vom Taschenrechner empfangen...</translation>
    </message>
    <message>
        <source>Capturing the calculator&apos;s screen...</source>
        <translation>Der Bildschirm des Taschenrechners wird aufgenommen...</translation>
    </message>
    <message>
        <source>the link helper sent no screen</source>
        <translation>das Verbindungsprogramm hat keinen Bildschirm gesendet</translation>
    </message>
    <message>
        <source>Reading the calculator&apos;s variables...</source>
        <translation>Die Variablen des Taschenrechners werden gelesen...</translation>
    </message>
    <message>
        <source>the link helper said it was done, but ended with status %1</source>
        <translation>das Verbindungshilfsprogramm meldete Erfolg, endete aber mit Status %1</translation>
    </message>
    <message>
        <source>Sending %1 variables to the calculator...</source>
        <translation>%1 Variablen werden an den Taschenrechner gesendet...</translation>
    </message>
</context>
<context>
    <name>QtPictureLoader</name>
    <message>
        <source>the picture is %1 x %2 pixels; a PNG picture is read up to %3 pixels wide and high</source>
        <translation>das Bild hat %1 x %2 Pixel; ein PNG-Bild wird bis zu %3 Pixel Breite und Höhe gelesen</translation>
    </message>
    <message>
        <source>it is no picture format known here</source>
        <translation>es ist kein hier bekanntes Bildformat</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels, which take %3 MB to decode, more than the %4 MB a picture may take</source>
        <translation>das Bild hat %1 x %2 Pixel, die zum Dekodieren %3 MB brauchen, mehr als die %4 MB, die ein Bild belegen darf</translation>
    </message>
</context>
<context>
    <name>QtProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1
%2 of %3 bytes</source>
        <translation>%1
%2 von %3 Byte</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>No error.</source>
        <translation>Kein Fehler.</translation>
    </message>
    <message>
        <source>It is not a recovery copy.</source>
        <translation>Sie ist keine Wiederherstellungskopie.</translation>
    </message>
    <message>
        <source>It was written by another version of the editor.</source>
        <translation>Sie wurde von einer anderen Version des Editors geschrieben.</translation>
    </message>
    <message>
        <source>It ends before its picture does.</source>
        <translation>Sie endet vor ihrem Bild.</translation>
    </message>
    <message>
        <source>Its picture size, levels, calculator or texts are out of range.</source>
        <translation>Ihre Bildgröße, Stufen, Taschenrechner oder Texte liegen außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>It holds pixels beyond the picture&apos;s levels.</source>
        <translation>Sie enthält Pixel jenseits der Stufen des Bildes.</translation>
    </message>
    <message>
        <source>Its checksum does not match: the file is damaged.</source>
        <translation>Ihre Prüfsumme stimmt nicht: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>It has bytes after the end of the copy.</source>
        <translation>Sie hat Bytes nach dem Ende der Kopie.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>The recovery folder cannot be locked.</source>
        <translation>Der Wiederherstellungsordner kann nicht gesperrt werden.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>TiLP ended abnormally.</source>
        <translation>TiLP wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>TiLP ended with exit status %1.</source>
        <translation>TiLP wurde mit dem Exit-Status %1 beendet.</translation>
    </message>
    <message>
        <source>TiLP reported an error.</source>
        <translation>TiLP hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator.<byte value="xd"/>%2</source>
        <translation>%1 wurde nicht an den Taschenrechner gesendet.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>TiLP, the program that sends files to the calculator, is not installed.<byte value="xd"/>Install it with:  sudo apt install tilp2</source>
        <translation>TiLP, das Programm, das Dateien an den Taschenrechner sendet, ist nicht installiert.<byte value="xd"/>Installieren Sie es mit:  sudo apt install tilp2</translation>
    </message>
    <message>
        <source>TiLP is already running, sending a picture to the calculator.<byte value="xd"/>Wait until it has finished, then send again.</source>
        <translation>TiLP läuft bereits und sendet ein Bild an den Taschenrechner.<byte value="xd"/>Warten Sie, bis es fertig ist, und senden Sie dann erneut.</translation>
    </message>
    <message>
        <source>%1 was not sent to the calculator: its copy for TiLP cannot be written.<byte value="xd"/>%2</source>
        <translation>%1 wurde nicht an den Taschenrechner gesendet: Die Kopie für TiLP kann nicht geschrieben werden.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Can&apos;t start %1</source>
        <translation>%1 kann nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>ShownNames</name>
    <message>
        <source>The name is not valid UTF-8 text, so this program cannot open or write a file by it. Rename the file.</source>
        <translation>Der Name ist kein gültiger UTF-8-Text, daher kann dieses Programm unter diesem Namen keine Datei öffnen oder schreiben. Benennen Sie die Datei um.</translation>
    </message>
</context>
<context>
    <name>SourceCommands</name>
    <message>
        <source>%1 holds no sprite:</source>
        <translation>%1 enthält kein Sprite:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Array</source>
        <translation>Array</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Sprite</source>
        <translation>Sprite</translation>
    </message>
    <message>
        <source>Open from C Source</source>
        <translation>Aus C-Quelltext öffnen</translation>
    </message>
    <message>
        <source>&amp;Open which sprite of %1?</source>
        <translation>&amp;Welches Sprite von %1 öffnen?</translation>
    </message>
</context>
<context>
    <name>SpriteSource</name>
    <message>
        <source>there are no pixels to write</source>
        <translation>es gibt keine Pixel zu schreiben</translation>
    </message>
    <message>
        <source>the picture is %1 pixels wide, wider than rows of %2 pixels (rows of bytes for SpriteX8 take any width)</source>
        <translation>das Bild ist %1 Pixel breit, breiter als Zeilen von %2 Pixeln (Zeilen aus Bytes für SpriteX8 nehmen jede Breite)</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels, not a whole number of tiles of %3 x %4</source>
        <translation>das Bild ist %1 x %2 Pixel groß, keine ganze Zahl von Kacheln zu %3 x %4</translation>
    </message>
    <message>
        <source>%1 names for %2 tiles</source>
        <translation>%1 Namen für %2 Kacheln</translation>
    </message>
    <message>
        <source>the tiles are %1 pixels wide, wider than rows of %2 pixels</source>
        <translation>die Kacheln sind %1 Pixel breit, breiter als Zeilen von %2 Pixeln</translation>
    </message>
</context>
<context>
    <name>SpriteSummary</name>
    <message>
        <source>%1 bits, %2 a row</source>
        <translation>%1 Bit, %2 je Zeile</translation>
    </message>
    <message>
        <source>%1 bits</source>
        <translation>%1 Bit</translation>
    </message>
    <message>
        <source>%1 x %2 elements</source>
        <translation>%1 x %2 Elemente</translation>
    </message>
    <message>
        <source>%1 elements</source>
        <translation>%1 Elemente</translation>
    </message>
    <message>
        <source>not a sprite: %1</source>
        <translation>kein Sprite: %1</translation>
    </message>
    <message>
        <source>%1 tiles of %2 x %3 pixels, %4 a row</source>
        <translation>%1 Kacheln zu %2 x %3 Pixeln, %4 je Reihe</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>, four grey levels</source>
        <translation>, vier Graustufen</translation>
    </message>
    <message>
        <source>, with a mask</source>
        <translation>, mit Maske</translation>
    </message>
</context>
<context>
    <name>TiGroup</name>
    <message>
        <source>the checksum of %1 disagrees with its data</source>
        <translation>die Prüfsumme von %1 stimmt nicht mit den Daten überein</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 is no calculator variable: %2</source>
        <translation>Das Element %1 der TIGroup ist keine Taschenrechnervariable: %2</translation>
    </message>
    <message>
        <source>Calculator groups (89g, 92g, 9xg, v2g, tig)|*.89g;*.92g;*.9xg;*.v2g;*.tig</source>
        <translation>Taschenrechnergruppen (89g, 92g, 9xg, v2g, tig)|*.89g;*.92g;*.9xg;*.v2g;*.tig</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: no ZIP end record closes it (it is no ZIP archive, or it is cut short).</source>
        <translation>Die TIGroup kann nicht gelesen werden: Kein ZIP-Endeintrag schließt sie ab (sie ist kein ZIP-Archiv oder abgeschnitten).</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: it is one part of an archive spread over several files.</source>
        <translation>Die TIGroup kann nicht gelesen werden: Sie ist Teil eines auf mehrere Dateien verteilten Archivs.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: it uses ZIP64 records, which calculator groups never need.</source>
        <translation>Die TIGroup kann nicht gelesen werden: Sie verwendet ZIP64-Einträge, die Taschenrechnergruppen nie brauchen.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: its list of members does not lie where its end record says.</source>
        <translation>Die TIGroup kann nicht gelesen werden: Ihre Elementliste liegt nicht dort, wo ihr Endeintrag angibt.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: its list of members is damaged.</source>
        <translation>Die TIGroup kann nicht gelesen werden: Ihre Elementliste ist beschädigt.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be unpacked: its members add up to more than %1 MiB.</source>
        <translation>Die TIGroup kann nicht entpackt werden: Ihre Elemente ergeben zusammen mehr als %1 MiB.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 lies outside the file.</source>
        <translation>Das Element %1 der TIGroup liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 shares its bytes with another member.</source>
        <translation>Das Element %1 der TIGroup teilt seine Bytes mit einem anderen Element.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 has a header that disagrees with the archive&apos;s list of members.</source>
        <translation>Das Element %1 der TIGroup hat einen Kopf, der nicht zur Elementliste des Archivs passt.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 is encrypted.</source>
        <translation>Das Element %1 der TIGroup ist verschlüsselt.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked: it is compressed by a method other than deflate.</source>
        <translation>Das Element %1 der TIGroup kann nicht entpackt werden: Es ist mit einem anderen Verfahren als Deflate komprimiert.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked: it is larger than %2 MiB.</source>
        <translation>Das Element %1 der TIGroup kann nicht entpackt werden: Es ist größer als %2 MiB.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked: its data are damaged.</source>
        <translation>Das Element %1 der TIGroup kann nicht entpackt werden: Seine Daten sind beschädigt.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked: its CRC disagrees with its data.</source>
        <translation>Das Element %1 der TIGroup kann nicht entpackt werden: Seine CRC passt nicht zu seinen Daten.</translation>
    </message>
    <message>
        <source>The TIGroup cannot be made: it would reach 4 GiB or 65,535 members.</source>
        <translation>Die TIGroup kann nicht erstellt werden: Sie würde 4 GiB oder 65.535 Elemente erreichen.</translation>
    </message>
    <message>
        <source>The TIGroup holds %1 in two members, %2 and %3: which one to replace cannot be told.</source>
        <translation>Die TIGroup enthält %1 in zwei Elementen, %2 und %3: Welches ersetzt werden soll, lässt sich nicht sagen.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 holds other variables beside %2, which a rewrite of it would lose.</source>
        <translation>Das Element %1 der TIGroup enthält außer %2 weitere Variablen, die beim Neuschreiben verloren gingen.</translation>
    </message>
    <message>
        <source>The TIGroup holds more than %1 variables, more than a group file holds.</source>
        <translation>Die TIGroup enthält mehr als %1 Variablen, mehr als eine Gruppendatei fasst.</translation>
    </message>
</context>
<context>
    <name>Tilp</name>
    <message>
        <source>TiLP has no link cable set up: start TiLP (tilp) and choose the cable and the calculator in its settings.</source>
        <translation>In TiLP ist kein Verbindungskabel eingerichtet: Starten Sie TiLP (tilp) und wählen Sie Kabel und Taschenrechner in seinen Einstellungen.</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>WhLine</source>
        <translation>Weiße Linie</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>WhBox</source>
        <translation>Weißes Rechteck</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>WhBar</source>
        <translation>Weißer Block</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>WhCircle</source>
        <translation>Weißer Kreis</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>WhEllipse</source>
        <translation>Weiße Ellipse</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>WhFill</source>
        <translation>Weiß füllen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>DOTLARK User Guide</source>
        <translation>DOTLARK-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
</context>
</TS>
