<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalcCharset</name>
    <message>
        <source>The comment was stored with &quot;?&quot; in place of %1, which the calculator&apos;s characters do not include.</source>
        <translation>Der Kommentar wurde mit „?“ anstelle von %1 gespeichert, da der Zeichensatz des Taschenrechners diese Zeichen nicht enthält.</translation>
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
    <name>ShownNames</name>
    <message>
        <source>The name is not valid UTF-8 text, so this program cannot open or write a file by it. Rename the file.</source>
        <translation>Der Name ist kein gültiger UTF-8-Text, daher kann dieses Programm unter diesem Namen keine Datei öffnen oder schreiben. Benennen Sie die Datei um.</translation>
    </message>
</context>
<context>
    <name>Tilp</name>
    <message>
        <source>TiLP has no link cable set up: start TiLP (tilp) and choose the cable and the calculator in its settings.</source>
        <translation>In TiLP ist kein Verbindungskabel eingerichtet: Starten Sie TiLP (tilp) und wählen Sie Kabel und Taschenrechner in seinen Einstellungen.</translation>
    </message>
</context>
</TS>
