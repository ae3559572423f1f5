<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <source>there are no pixels to write</source>
        <translation>es gibt keine Pixel zu schreiben</translation>
    </message>
    <message>
        <source>the picture is %1 pixels wide, wider than rows of %2 pixels (rows of bytes for SpriteX8 take any width)</source>
        <translation>das Bild ist %1 Pixel breit, breiter als Zeilen von %2 Pixeln (Zeilen aus Bytes für SpriteX8 erlauben jede Breite)</translation>
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
        <source>Set where not white</source>
        <translation>Gesetzt außer bei Weiß</translation>
    </message>
    <message>
        <source>Set where not light grey</source>
        <translation>Gesetzt außer bei Hellgrau</translation>
    </message>
    <message>
        <source>Set where not dark grey</source>
        <translation>Gesetzt außer bei Dunkelgrau</translation>
    </message>
    <message>
        <source>Set where not black</source>
        <translation>Gesetzt außer bei Schwarz</translation>
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
</TS>
