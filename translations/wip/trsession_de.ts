<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalculatorPictures</name>
    <message>
        <source>it is not a picture variable</source>
        <translation>es ist keine Bildvariable</translation>
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
    <name>RecoveryStore</name>
    <message>
        <source>The recovery folder cannot be locked.</source>
        <translation>Der Wiederherstellungsordner kann nicht gesperrt werden.</translation>
    </message>
</context>
<context>
    <name>TiGroup</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>The TIGroup cannot be read: %1.</source>
        <translation>Die TIGroup kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>the checksum of %1 disagrees with its data</source>
        <translation>die Prüfsumme von %1 stimmt nicht mit den Daten überein</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 cannot be unpacked.</source>
        <translation>Das Element %1 der TIGroup kann nicht entpackt werden.</translation>
    </message>
    <message>
        <source>The TIGroup&apos;s member %1 is no calculator variable: %2</source>
        <translation>Das Element %1 der TIGroup ist keine Taschenrechnervariable: %2</translation>
    </message>
    <message>
        <source>The TIGroup cannot be made: %1.</source>
        <translation>Die TIGroup kann nicht erstellt werden: %1.</translation>
    </message>
    <message>
        <source>Calculator groups (89g, 92g, 9xg, v2g, tig)|*.89g;*.92g;*.9xg;*.v2g;*.tig</source>
        <translation>Taschenrechnergruppen (89g, 92g, 9xg, v2g, tig)|*.89g;*.92g;*.9xg;*.v2g;*.tig</translation>
    </message>
</context>
</TS>
