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
        <source>Recover the unsaved picture of %1 from %2?</source>
        <translation>Das ungespeicherte Bild „%1“ vom %2 wiederherstellen?</translation>
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
    <name>PrivateCopy</name>
    <message>
        <source>The picture has four grey levels; a picture file holds one black-and-white picture. Send to Calculator sends both planes.</source>
        <translation>Das Bild hat vier Graustufen; eine Bilddatei enthält nur ein Schwarzweißbild. „An Taschenrechner senden“ sendet beide Ebenen.</translation>
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
